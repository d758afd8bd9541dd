// The main window's route commands.
#include "shell/commands.h"

#include "airports/leg_display.h"
#include "export/naming.h"
#include "export/save.h"
#include "resources/resource.h"
#include "route/build.h"
#include "route/plan_reader.h"
#include "route/route_tree_text.h"
#include "shell/messages.h"

namespace rw {

bool MayDropRoute(Context& context)
{
    AppState& state = context.state;
    return !state.route.RouteUnsaved ||
           AskToSavePlan(context.user, context.window, state.destTitle.view()) != Answer::Cancel;
}

OpenOutcome OpenCommand(Context& context, RouteViews& views)
{
    if (!MayDropRoute(context) || !OpenSourceDialog(context)) {
        return OpenOutcome::Cancelled;
    }
    AppState& state = context.state;
    state.route.RouteUnsaved = 0;
    context.window.EnableRouteCommands(false, state.settings.Startup.Toolbar != 0);
    context.window.SetText(IDC_SOURCE_PATH, state.sourcePath.view());
    if (HasFcfExtension(state.sourceTitle.view())) {
        if (views.probeFcfFile) {
            views.probeFcfFile();
        }
        return OpenOutcome::Probed;
    }
    context.window.PostCommand(IDC_BUILD);
    NameDestinationPlan(context);
    return OpenOutcome::BuildPosted;
}

bool BuildCommand(Context& context, RouteViews& views)
{
    RouteStore& route = context.state.route;
    route.RouteBuilt = BuildWaypointTable(context, views.tree, views.tabs) ? 1 : 0;
    if (!route.RouteBuilt) {
        context.user.ShowMessage(IDS_BUILD_FAILED, context.state.sourceTitle.view(),
                                 MessageIcon::Exclamation, MessageButtons::Ok);
    }
    return route.RouteBuilt != 0;
}

std::intptr_t SaveCommand(Context& context)
{
    return SaveBulk(context) ? 1 : 0;
}

void SelectLeg(Context& context, int tabIndex)
{
    RouteStore& route = context.state.route;
    if (tabIndex < 0 || static_cast<std::uint32_t>(tabIndex) >= route.legCount) {
        return;
    }
    route.currentLeg = static_cast<std::uint32_t>(tabIndex);
    ShowLegAirports(context, route.currentLeg, true);
}

void ExpandCommand(RouteViews& views, bool expand)
{
    TreeItem item = views.tree.SelectedItem();
    if (item == 0) {
        item = views.tree.FirstRootItem();
    }
    if (expand) {
        ExpandBranch(views.tree, item);
    } else {
        CollapseBranch(views.tree, item);
    }
}

void DestinationChanged(Context& context) { context.state.exports.destinationEdited = true; }

void CheckDefaultRadios(MainWindow& window, const AppSettings& settings)
{
    constexpr int kFlightRules[] = {IDC_VFR, IDC_IFR};
    constexpr int kRouteTypes[] = {IDC_DIRECT_GPS, IDC_VOR_TO_VOR, IDC_LOW_AIRWAYS,
                                   IDC_HIGH_AIRWAYS};
    const int flightType = settings.DefFlightType.Flighttype;
    if (flightType >= 0 && flightType < 2) {
        window.SetChecked(kFlightRules[flightType], true);
    }
    const int routeType = settings.DefRouteType.Routetype;
    if (routeType >= 0 && routeType < 4) {
        window.SetChecked(kRouteTypes[routeType], true);
    }
}

bool RunRouteCommand(Context& context, RouteViews& views, int id, std::intptr_t& result)
{
    result = 0;
    switch (id) {
        case IDC_OPEN:
        case IDM_OPEN: (void)OpenCommand(context, views); return true;
        case IDC_BUILD:
        case IDM_BUILD: result = BuildCommand(context, views) ? 1 : 0; return true;
        case IDC_SAVE:
        case IDM_SAVE: result = SaveCommand(context); return true;
        case IDC_SAVE_AS:
        case IDM_SAVE_AS: (void)SaveAs(context); return true;
        case IDC_EXPAND: ExpandCommand(views, true); return true;
        case IDC_COLLAPSE: ExpandCommand(views, false); return true;
        default: return false;
    }
}

}  // namespace rw
