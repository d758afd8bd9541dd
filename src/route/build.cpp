// The Build of the main window.
#include "route/build.h"

#include "airports/leg_display.h"
#include "resources/resource.h"
#include "route/plan_reader.h"
#include "route/route_tree_text.h"

namespace rw {
namespace {

// Puts the busy display back on every way out of the Build.
class BusyDisplay {
public:
    explicit BusyDisplay(MainWindow& window) : window_(window)
    {
        window_.ShowBusyAnimation();
        window_.SetWaitCursor(true);
        window_.SetStatusText(kBuildingStatus);
    }
    ~BusyDisplay()
    {
        window_.SetWaitCursor(false);
        window_.HideBusyAnimation();
        window_.SetStatusText("");
    }
    BusyDisplay(const BusyDisplay&) = delete;
    BusyDisplay& operator=(const BusyDisplay&) = delete;

private:
    MainWindow& window_;
};

}  // namespace

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

    const BusyDisplay busy(window);
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
