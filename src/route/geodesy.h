// Spherical-earth arithmetic of the route: signed degrees from the source
// notation, great-circle distance and initial true course.
#pragma once

#include <cstdint>

namespace rw {

inline constexpr double kDegreesToRadians = 0.017453292519943295;
inline constexpr double kRadiansToDegrees = 57.29577951308232;
inline constexpr double kFullTurn = 6.283185307179586;
inline constexpr double kEarthDiameterMetres = 12734623.616554914;
inline constexpr double kMetresPerNauticalMile = 1852.0;

// degrees + minutes / 60, negated for exactly 'S' or 'W'; no range check.
double ToSignedDegrees(char hemisphere, std::int32_t degrees, double minutes);

// Haversine distance in metres between two points in signed degrees, cut
// toward zero to tenths of a metre.
double GreatCircleDistance(double lat1, double lon1, double lat2, double lon2);

// Initial true course from the first point to the second in whole degrees,
// 0 to 360, rounded half up (359.5 and above give 360).
double TrueCourse(double lat1, double lon1, double lat2, double lon2);

}  // namespace rw
