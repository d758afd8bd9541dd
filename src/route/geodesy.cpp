// Spherical-earth arithmetic of the route.
#include "route/geodesy.h"

#include <cmath>

namespace rw {
namespace {

// Truncation toward zero into the 32-bit range. Converting a double outside
// that range (or not a number) to int is undefined, so those are pinned:
// not a number to 0, the rest to the nearest end of the range.
std::int32_t TruncateToInt32(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 2147483647.0) {
        return INT32_MAX;
    }
    if (value <= -2147483648.0) {
        return INT32_MIN;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace

double ToSignedDegrees(char hemisphere, std::int32_t degrees, double minutes)
{
    double value = minutes / 60.0;
    value = degrees + value;
    if (hemisphere == 'S' || hemisphere == 'W') {
        value *= -1.0;
    }
    return value;
}

double GreatCircleDistance(double lat1, double lon1, double lat2, double lon2)
{
    const double phi1 = lat1 * kDegreesToRadians;
    const double lambda1 = lon1 * kDegreesToRadians;
    const double phi2 = lat2 * kDegreesToRadians;
    const double lambda2 = lon2 * kDegreesToRadians;
    const double a = std::sin((phi2 - phi1) / 2.0);
    const double b = std::sin((lambda2 - lambda1) / 2.0);
    double h = a * a + std::cos(phi1) * std::cos(phi2) * b * b;
    // Rounding can lift h of nearly opposite points above 1, and latitudes
    // beyond 90 degrees (the source is not range-checked) can make it
    // negative: either would leave the arc sine undefined.
    if (h > 1.0) {
        h = 1.0;
    } else if (h < 0.0) {
        h = 0.0;
    }
    const double d = std::asin(std::sqrt(h)) * kEarthDiameterMetres;
    return TruncateToInt32(d * 10.0) / 10.0;
}

double TrueCourse(double lat1, double lon1, double lat2, double lon2)
{
    const double phi1 = lat1 * kDegreesToRadians;
    const double lambda1 = lon1 * kDegreesToRadians;
    const double phi2 = lat2 * kDegreesToRadians;
    const double lambda2 = lon2 * kDegreesToRadians;
    const double deltaLambda = lambda2 - lambda1;
    const double y = std::sin(deltaLambda) * std::cos(phi2);
    const double x =
        std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(deltaLambda);
    double theta = std::fmod(std::atan2(y, x), kFullTurn) * kRadiansToDegrees;
    if (theta < 0.0) {
        theta += 360.0;
    }
    return TruncateToInt32(theta + 0.5);
}

}  // namespace rw
