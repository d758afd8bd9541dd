// Build: the source plan read, every leg completed, the current leg shown,
// and the legs listed in the route tree and the leg tabs.
#pragma once

#include "platform/route_tree.h"
#include "shell/context.h"

namespace rw {

inline constexpr std::string_view kBuildingStatus =
    "Building WP Table and Airport/Runway Information";

// Reads sourcePath into the route store and completes it; true when every
// leg was completed. The reader's messages tell the user what failed.
[[nodiscard]] bool BuildWaypointTable(Context& context, RouteTree& tree, LegTabs& tabs);

}  // namespace rw
