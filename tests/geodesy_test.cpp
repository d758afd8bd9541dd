// Signed degrees, great-circle distance and true course.
#include "route/geodesy.h"

#include <gtest/gtest.h>

#include <cmath>

namespace rw {
namespace {

TEST(Geodesy, SignedDegreesFromTheSourceNotation)
{
    struct Case {
        char hemisphere;
        int degrees;
        double minutes;
        double expected;
    };
    const Case cases[] = {
        {'N', 47, 30.0, 47.5}, {'S', 47, 30.0, -47.5},
        {'s', 47, 30.0, 47.5}, {'E', 8, 32.93, 8.0 + 32.93 / 60.0},
        {'W', 8, 30.0, -8.5},  {'w', 8, 30.0, 8.5},
        {'N', -5, 30.0, -4.5}, {'S', -5, 30.0, 4.5},
        {'X', 0, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hemisphere << ' ' << c.degrees << ' ' << c.minutes);
        EXPECT_EQ(ToSignedDegrees(c.hemisphere, c.degrees, c.minutes), c.expected);
    }
}

TEST(Geodesy, OneDegreeOfLatitudeIsCutToTenths)
{
    const double metres = GreatCircleDistance(0.0, 0.0, 1.0, 0.0);
    EXPECT_EQ(metres, 111130.5);  // 111130.555... before the cut
    EXPECT_EQ(metres / kMetresPerNauticalMile, 60.00566954643629);
    EXPECT_EQ(GreatCircleDistance(1.0, 0.0, 0.0, 0.0), 111130.5);
}

TEST(Geodesy, IdenticalPointsAreZeroApart)
{
    EXPECT_EQ(GreatCircleDistance(47.458, 8.548833, 47.458, 8.548833), 0.0);
    EXPECT_EQ(TrueCourse(47.458, 8.548833, 47.458, 8.548833), 0.0);
}

TEST(Geodesy, CoursesInWholeDegreesRoundedHalfUp)
{
    struct Case {
        const char* what;
        double lat1, lon1, lat2, lon2;
        double expected;
    };
    const Case cases[] = {
        {"north", 0.0, 0.0, 1.0, 0.0, 0.0},
        {"south", 1.0, 0.0, 0.0, 0.0, 180.0},
        {"east along the equator", 0.0, 0.0, 0.0, 1.0, 90.0},
        {"west along the equator", 0.0, 0.0, 0.0, -1.0, 270.0},
        {"359.5016 becomes 360, not 0", 0.0, 0.0, 1.0, -0.522 / 60.0, 360.0},
        {"Zurich to Geneva, 234.72", 47.458, 8.548833, 46.238, 6.109, 235.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(TrueCourse(c.lat1, c.lon1, c.lat2, c.lon2), c.expected);
    }
}

TEST(Geodesy, NearlyOppositePointsGiveHalfTheCircumference)
{
    // Rounding lifts the haversine of this pair just above 1.
    const double metres = GreatCircleDistance(-87.5, 25.25, 87.5, 205.25);
    ASSERT_FALSE(std::isnan(metres));
    EXPECT_NEAR(metres, 20003500.0, 0.1);
    EXPECT_EQ(GreatCircleDistance(0.0, 0.0, 0.0, 180.0), 20003500.0);
}

TEST(Geodesy, LatitudesBeyondThePoleStayNumbers)
{
    // N 91 at E 0 is N 89 at E 180; the haversine comes out just below 0.
    EXPECT_EQ(GreatCircleDistance(91.0, 0.0, 89.0, 180.0), 0.0);
    EXPECT_FALSE(std::isnan(TrueCourse(91.0, 0.0, 89.0, 180.0)));
}

}  // namespace
}  // namespace rw
