// Route tree texts, leg completion and the tree's branches.
#include "route/route_tree_text.h"

#include <algorithm>

#include "common/texts.h"
#include "route/geodesy.h"

namespace rw {
namespace {

void SetExpanded(RouteTree& tree, TreeItem item, bool expand)
{
    for (; item != 0; item = tree.NextSibling(item)) {
        tree.Expand(item, expand);
        if (const TreeItem child = tree.FirstChild(item)) {
            SetExpanded(tree, child, expand);
        }
    }
}

std::uint32_t PointCount(const RouteStore& route, std::uint32_t leg)
{
    return std::min(route.legInfo[leg].pointCount, kMaxLegPoints);
}

}  // namespace

int TypeImage(char type)
{
    switch (type) {
    case 'A': return 4;
    case 'I': return 5;
    case 'N': return 3;
    case 'V': return 2;
    default: return 0;
    }
}

std::string TypeText(char type)
{
    switch (type) {
    case 'A': return "Airport";
    case 'I': return "Intersection";
    case 'N': return "NDB";
    case 'V': return "VOR";
    default: return "Unknown";
    }
}

std::string LatitudeText(const RoutePoint& p)
{
    return FormatPrintf("LAT. %c%02d* %4.2f'", p.latHemisphere, static_cast<int>(p.latDegrees),
                        p.latMinutes);
}

std::string LongitudeText(const RoutePoint& p)
{
    return FormatPrintf("LON. %c%03d* %4.2f'", p.lonHemisphere, static_cast<int>(p.lonDegrees),
                        p.lonMinutes);
}

std::string AltitudeText(const RoutePoint& p) { return FormatPrintf("Alt. %6.0f", p.altitude); }

std::string LegTitle(const RouteStore& route, std::uint32_t leg)
{
    const RoutePoint* first = route.DeparturePoint(leg);
    const RoutePoint* last = route.DestinationPoint(leg);
    if (first == nullptr || last == nullptr) {
        return " -> ";
    }
    return first->ident.str() + " -> " + last->ident.str();
}

void CompleteLeg(RouteStore& route, std::uint32_t leg)
{
    LegInfo& info = route.legInfo[leg];
    RoutePoint* points = route.legs[leg].points;
    info.cruiseAltitude = 0.0;
    info.legDistance = 0.0;
    for (std::uint32_t i = 0; i < PointCount(route, leg); ++i) {
        RoutePoint& p = points[i];
        if (p.type != 'A' && p.altitude > info.cruiseAltitude) {
            info.cruiseAltitude = p.altitude;
        }
        if (i == 0) {
            continue;
        }
        const RoutePoint& previous = points[i - 1];
        p.track = TrueCourse(previous.latitude, previous.longitude, p.latitude, p.longitude);
        p.distance =
            GreatCircleDistance(previous.latitude, previous.longitude, p.latitude, p.longitude) /
            1852.0;
        info.legDistance += p.distance;
        route.routeDistance += p.distance;
        p.cumulativeDistance = info.legDistance;
    }
}

void AddLegBranch(RouteTree& tree, const RouteStore& route, std::uint32_t leg)
{
    tree.UseRouteImages();
    const TreeItem legItem = tree.InsertTreeItem(0, LegTitle(route, leg), kLegImage);
    for (std::uint32_t i = 0; i < PointCount(route, leg); ++i) {
        const RoutePoint& p = route.legs[leg].points[i];
        const TreeItem pointItem = tree.InsertTreeItem(legItem, p.ident.view(), TypeImage(p.type));
        tree.InsertTreeItem(pointItem, TypeText(p.type), 0);
        tree.InsertTreeItem(pointItem, LatitudeText(p), 0);
        tree.InsertTreeItem(pointItem, LongitudeText(p), 0);
        tree.InsertTreeItem(pointItem, AltitudeText(p), 0);
    }
}

void FillLegTabs(LegTabs& tabs, const RouteStore& route)
{
    tabs.UseLegIcon();
    for (std::uint32_t leg = 0; leg < std::min(route.legCount, kMaxLegs); ++leg) {
        const RoutePoint* first = route.DeparturePoint(leg);
        const RoutePoint* last = route.DestinationPoint(leg);
        tabs.InsertTab(static_cast<int>(leg),
                       FormatPrintf("%s -> %s", first ? first->ident.c_str() : "",
                                    last ? last->ident.c_str() : ""));
    }
}

void ExpandBranch(RouteTree& tree, TreeItem item) { SetExpanded(tree, item, true); }
void CollapseBranch(RouteTree& tree, TreeItem item) { SetExpanded(tree, item, false); }

}  // namespace rw
