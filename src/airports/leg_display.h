// Showing a leg in the main window: its airports looked up in the data file,
// their names and runways, the route text and the cruising altitude.
#pragma once

#include <cstdint>
#include <string>

#include "route/route_store.h"
#include "shell/context.h"

namespace rw {

inline constexpr std::string_view kBuildingAirportsStatus = "Building Airport/Runway Information";

// The identifiers of the leg's points joined with "-".
std::string RouteText(const RouteStore& route, std::uint32_t leg);

// The cruising altitude as the main window shows it: a whole number, the
// fraction cut off.
std::string CruiseAltitudeText(double altitudeFt);

// Displays leg (the current leg) in the main window; showBusy adds the busy
// animation and the wait cursor for the time it takes.
void ShowLegAirports(Context& context, std::uint32_t leg, bool showBusy);

}  // namespace rw
