// The Build of the main window.
#include "route/build.h"

#include "airports/leg_display.h"
#include "resources/resource.h"
#include "route/plan_reader.h"
#include "route/route_tree_text.h"
#include "shell/busy_display.h"

namespace rw {

bool BuildWaypointTable(Context& context, RouteTree& tree, LegTabs& tabs)
{
    MainWindow& window = context.window;
    window.ClearList(IDC_DEPARTURE_RUNWAYS);
    window.ClearList(IDC_LANDING_RUNWAYS);
    tree.DeleteAllItems();
    tabs.DeleteAllTabs();
    window.SetText(IDC_ROUTE_TEXT, "");
    window.SetText(IDC_CRUISE_ALTITUDE, "N/A");

    RouteStore& route = context.state.route;
    route.Reset();
    if (!ScanLegs(context)) {
        return false;
    }
    PlanFile file;
    if (!OpenSourceFile(context, file)) {
        return false;
    }

    const BusyDisplay busy(window, kBuildingStatus);
    const bool toolbar = context.state.settings.Startup.Toolbar != 0;
    for (std::uint32_t leg = 0; leg < route.legCount && leg < kMaxLegs; ++leg) {
        if (!ReadLegPoints(context, file, leg)) {
            return false;
        }
        CompleteLeg(route, leg);
        ShowLegAirports(context, route.currentLeg, false);
        // Showing the leg clears the status text; the Build is not done yet.
        window.SetStatusText(kBuildingStatus);
        AddLegBranch(tree, route, leg);
        tree.Repaint();
        route.RouteUnsaved = 1;
        window.EnableRouteCommands(true, toolbar);
    }
    FillLegTabs(tabs, route);
    return true;
}

}  // namespace rw
