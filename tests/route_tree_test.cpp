// Leg completion and what the route tree and the leg tabs show.
#include "route/route_tree_text.h"

#include <gtest/gtest.h>

#include "fakes/fake_route_tree.h"
#include "route/geodesy.h"

namespace rw {
namespace {

using test::FakeLegTabs;
using test::FakeRouteTree;

RoutePoint Point(char type, const char* ident, char latH, int latD, double latM, char lonH,
                 int lonD, double lonM, double altitude)
{
    RoutePoint p;
    p.type = type;
    p.ident = ident;
    p.latHemisphere = latH;
    p.latDegrees = latD;
    p.latMinutes = latM;
    p.lonHemisphere = lonH;
    p.lonDegrees = lonD;
    p.lonMinutes = lonM;
    p.latitude = ToSignedDegrees(latH, latD, latM);
    p.longitude = ToSignedDegrees(lonH, lonD, lonM);
    p.altitude = altitude;
    return p;
}

void SetLeg(RouteStore& route, std::uint32_t leg, std::vector<RoutePoint> points)
{
    route.legInfo[leg].pointCount = static_cast<std::uint32_t>(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        route.legs[leg].points[i] = points[i];
    }
    route.legCount = std::max(route.legCount, leg + 1);
}

TEST(RouteTreeText, DetailTexts)
{
    const RoutePoint p = Point('V', "ZUE", 'N', 7, 5.5, 'E', 8, 33.0, 1500);
    EXPECT_EQ(LatitudeText(p), "LAT. N07* 5.50'");
    EXPECT_EQ(LongitudeText(p), "LON. E008* 33.00'");
    EXPECT_EQ(AltitudeText(p), "Alt.   1500");
    struct Case {
        char type;
        const char* text;
        int image;
    };
    for (const Case c : {Case{'A', "Airport", 4}, Case{'I', "Intersection", 5}, Case{'N', "NDB", 3},
                         Case{'V', "VOR", 2}, Case{'U', "Unknown", 0}}) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(TypeText(c.type), c.text);
        EXPECT_EQ(TypeImage(c.type), c.image);
    }
}

TEST(CompleteLeg, TracksDistancesTotalsAndCruiseAltitude)
{
    RouteStore route;
    SetLeg(route, 0,
           {Point('A', "LSZH", 'N', 47, 27.48, 'E', 8, 32.93, 1416),
            Point('V', "ZUE", 'N', 47, 35.53, 'E', 8, 49.06, 5000),
            Point('A', "LSGA", 'N', 47, 0.0, 'E', 8, 0.0, 9000),  // an airport is no cruise point
            Point('I', "RESIA", 'N', 46, 30.0, 'E', 7, 0.0, 6500.5),
            Point('A', "LSGG", 'N', 46, 14.28, 'E', 6, 6.54, 1411)});
    route.routeDistance = 10.0;  // an earlier leg's
    CompleteLeg(route, 0);

    const RoutePoint* p = route.legs[0].points;
    EXPECT_EQ(p[0].track, 0.0);
    EXPECT_EQ(p[0].distance, 0.0);
    EXPECT_EQ(p[0].cumulativeDistance, 0.0);
    double total = 0.0;
    for (int i = 1; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(p[i].track, TrueCourse(p[i - 1].latitude, p[i - 1].longitude, p[i].latitude, p[i].longitude));
        EXPECT_EQ(p[i].distance, GreatCircleDistance(p[i - 1].latitude, p[i - 1].longitude,
                                                     p[i].latitude, p[i].longitude) / 1852.0);
        total += p[i].distance;
        EXPECT_EQ(p[i].cumulativeDistance, total);
    }
    EXPECT_EQ(route.legInfo[0].legDistance, p[4].cumulativeDistance);
    EXPECT_DOUBLE_EQ(route.routeDistance, 10.0 + total);
    EXPECT_EQ(route.legInfo[0].cruiseAltitude, 6500.5);
}

TEST(CompleteLeg, NoPointAboveZeroGivesCruiseAltitudeZero)
{
    RouteStore route;
    SetLeg(route, 0, {Point('A', "LSZH", 'N', 47, 27.48, 'E', 8, 32.93, 1416),
                      Point('V', "ZUE", 'N', 47, 35.53, 'E', 8, 49.06, -200),
                      Point('A', "LSGG", 'N', 46, 14.28, 'E', 6, 6.54, 1411)});
    CompleteLeg(route, 0);
    EXPECT_EQ(route.legInfo[0].cruiseAltitude, 0.0);
}

TEST(RouteTree, BranchesAndTabsOfTwoLegs)
{
    RouteStore route;
    SetLeg(route, 0, {Point('A', "LSZH", 'N', 47, 27.48, 'E', 8, 32.93, 1416),
                      Point('U', "XX", 'N', 47, 0.0, 'E', 7, 0.0, 0),
                      Point('A', "LSGG", 'N', 46, 14.28, 'E', 6, 6.54, 1411)});
    SetLeg(route, 1, {Point('A', "LSGG", 'N', 46, 14.28, 'E', 6, 6.54, 1411),
                      Point('A', "LFSB", 'N', 47, 35.98, 'E', 7, 31.77, 885)});
    FakeRouteTree tree;
    AddLegBranch(tree, route, 0);
    AddLegBranch(tree, route, 1);
    EXPECT_TRUE(tree.hasImages);
    EXPECT_EQ(tree.ChildTexts(0), (std::vector<std::string>{"LSZH -> LSGG", "LSGG -> LFSB"}));
    const TreeItem leg1 = tree.FirstRootItem();
    EXPECT_EQ(tree.At(leg1).image, kLegImage);
    EXPECT_EQ(tree.ChildTexts(leg1), (std::vector<std::string>{"LSZH", "XX", "LSGG"}));
    const TreeItem unknown = tree.NextSibling(tree.FirstChild(leg1));
    EXPECT_EQ(tree.At(unknown).image, 0);
    EXPECT_EQ(tree.ChildTexts(unknown),
              (std::vector<std::string>{"Unknown", "LAT. N47* 0.00'", "LON. E007* 0.00'", "Alt.      0"}));

    FakeLegTabs tabs;
    FillLegTabs(tabs, route);
    EXPECT_TRUE(tabs.hasIcon);
    EXPECT_EQ(tabs.tabs, (std::vector<std::string>{"LSZH -> LSGG", "LSGG -> LFSB"}));
}

TEST(RouteTree, ExpandFromTheThirdPointOpensTheLaterPointsOfItsLeg)
{
    RouteStore route;
    std::vector<RoutePoint> points;
    for (const char* id : {"LSZH", "ZUE", "WIL", "FRI", "LSGG"}) {
        points.push_back(Point(id[0] == 'L' ? 'A' : 'V', id, 'N', 47, 0, 'E', 8, 0, 0));
    }
    SetLeg(route, 0, points);
    SetLeg(route, 1, {points[4], points[0]});
    FakeRouteTree tree;
    AddLegBranch(tree, route, 0);
    AddLegBranch(tree, route, 1);
    const TreeItem leg1 = tree.FirstRootItem();
    TreeItem third = tree.FirstChild(leg1);
    third = tree.NextSibling(tree.NextSibling(third));
    ExpandBranch(tree, third);

    std::vector<std::string> open;
    for (TreeItem i = 1; i <= tree.items.size(); ++i) {
        if (tree.At(i).expanded && tree.At(i).parent == leg1) {
            open.push_back(tree.At(i).text);
        }
    }
    EXPECT_EQ(open, (std::vector<std::string>{"WIL", "FRI", "LSGG"}));
    EXPECT_FALSE(tree.At(leg1).expanded);
    EXPECT_FALSE(tree.At(tree.NextSibling(leg1)).expanded);

    CollapseBranch(tree, tree.FirstRootItem());
    for (const auto& item : tree.items) {
        EXPECT_FALSE(item.expanded);
    }
}

}  // namespace
}  // namespace rw
