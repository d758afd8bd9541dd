// Showing a leg's airports, runways, route and cruising altitude.
#include "airports/leg_display.h"

#include <cmath>
#include <limits>

#include "airports/airport_data.h"
#include "airports/runways.h"
#include "common/texts.h"
#include "export/naming.h"
#include "resources/resource.h"

namespace rw {
std::string RouteText(const RouteStore& route, std::uint32_t leg)
{
    std::string text;
    if (leg >= kMaxLegs) {
        return text;
    }
    const std::uint32_t count = route.legInfo[leg].pointCount;
    for (std::uint32_t i = 0; i < count && i < kMaxLegPoints; ++i) {
        if (i != 0) {
            text += '-';
        }
        text += route.legs[leg].points[i].ident.view();
    }
    return text;
}

std::string CruiseAltitudeText(double altitudeFt)
{
    // Held at the ends of the 32-bit range, where the whole number would not fit.
    constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
    std::int32_t whole = 0;
    if (std::isnan(altitudeFt)) {
        whole = 0;
    } else if (altitudeFt <= kLowest) {
        whole = std::numeric_limits<std::int32_t>::min();
    } else if (altitudeFt >= kHighest) {
        whole = std::numeric_limits<std::int32_t>::max();
    } else {
        whole = static_cast<std::int32_t>(altitudeFt);
    }
    return FormatPrintf("%d", static_cast<int>(whole));
}

void ShowLegAirports(Context& context, std::uint32_t leg, bool showBusy)
{
    RouteStore& route = context.state.route;
    if (leg >= kMaxLegs) {
        return;
    }
    const std::uint32_t count = route.legInfo[leg].pointCount;
    if (count == 0 || count > kMaxLegPoints) {
        return;
    }
    MainWindow& window = context.window;
    if (showBusy) {
        window.ShowBusyAnimation();
        window.SetWaitCursor(true);
    }
    window.SetStatusText(kBuildingAirportsStatus);

    window.SetText(IDC_ROUTE_TEXT, "");
    window.SetText(IDC_CRUISE_ALTITUDE, "N/A");
    window.ClearList(IDC_DEPARTURE_RUNWAYS);
    window.ClearList(IDC_LANDING_RUNWAYS);

    RoutePoint& first = route.legs[leg].points[0];
    RoutePoint& last = route.legs[leg].points[count - 1];
    // Names of up to 50 characters and the failure texts fit the name field.
    first.name = LookupLegAirport(context, leg, first.ident.view(), AirportEnd::Departure).view();
    last.name = LookupLegAirport(context, leg, last.ident.view(), AirportEnd::Destination).view();

    window.SetText(IDC_DEPARTURE_ID, first.ident.view());
    window.SetText(IDC_DEPARTURE_NAME, first.name.view());
    window.SetText(IDC_DESTINATION_ID, last.ident.view());
    window.SetText(IDC_DESTINATION_NAME, last.name.view());

    window.SetText(IDC_ROUTE_TEXT, RouteText(route, leg));
    window.SetText(IDC_CRUISE_ALTITUDE, CruiseAltitudeText(route.legInfo[leg].cruiseAltitude));

    NameDestinationPlan(context);

    if (showBusy) {
        window.SetWaitCursor(false);
        window.HideBusyAnimation();
    }
    window.SetStatusText("");
}

}  // namespace rw
