// What the route tree shows of a leg: texts and images of legs, points and
// their details, and the completion of a leg with tracks and distances.
#pragma once

#include <string>

#include "platform/route_tree.h"
#include "route/route_store.h"

namespace rw {

// Images of the tree's strip; the leg icon follows the strip's 24 images.
inline constexpr int kLegImage = 24;

// 'A' 4 (airport), 'I' 5 (intersection), 'N' 3 (NDB), 'V' 2 (VOR), else 0 (blank).
int TypeImage(char type);

// "Airport", "Intersection", "NDB", "VOR" or "Unknown".
std::string TypeText(char type);
std::string LatitudeText(const RoutePoint& point);   // "LAT. N47* 27.48'"
std::string LongitudeText(const RoutePoint& point);  // "LON. E008* 32.93'"
std::string AltitudeText(const RoutePoint& point);   // "Alt.   1416"

// "first -> last" of the leg's end points.
std::string LegTitle(const RouteStore& route, std::uint32_t leg);

// Tracks, distances, totals and the cruising altitude of a leg whose points
// have been read; the leg's distance also adds to the route's.
void CompleteLeg(RouteStore& route, std::uint32_t leg);

// Appends the leg's branch: the leg item, one item per point, four details each.
void AddLegBranch(RouteTree& tree, const RouteStore& route, std::uint32_t leg);

// One tab per leg, in leg order.
void FillLegTabs(LegTabs& tabs, const RouteStore& route);

// Expands (or collapses) item, everything below it and every later sibling.
void ExpandBranch(RouteTree& tree, TreeItem item);
void CollapseBranch(RouteTree& tree, TreeItem item);

}  // namespace rw
