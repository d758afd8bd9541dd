// The route store: the one flight plan the program works on, up to five legs
// of up to 32 points each, with a summary record per leg.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "common/fixed_text.h"

namespace rw {

inline constexpr std::uint32_t kMaxLegs = 5;
inline constexpr std::uint32_t kMaxLegPoints = 32;
inline constexpr std::size_t kIdentLength = 5;
// The name field of the binary plans' records holds 70 characters: names of
// the airport data (up to 50) and the lookup failure texts fit whole.
inline constexpr std::size_t kNameLength = 70;
inline constexpr std::size_t kRunwayTextLength = 40;

// One route point. The binary writers write the fields from latitude to the
// second reserved block one after the other in their own widths, so those
// widths are part of their file formats.
struct RoutePoint {
    char type = 0;           // 'A' airport, 'V' VOR, 'N' NDB, 'I' intersection, else as read
    double latitude = 0.0;   // signed decimal degrees, north positive
    double longitude = 0.0;  // signed decimal degrees, east positive
    double altitude = 0.0;   // feet
    double frequency = 0.0;  // always 0; carried by some writers
    FixedText<kIdentLength> ident;
    FixedText<kNameLength> name;  // as the 71-byte name field of the binary records
    double track = 0.0;               // whole degrees from the previous point
    double distance = 0.0;            // nautical miles from the previous point
    double cumulativeDistance = 0.0;  // nautical miles from the first point
    std::uint8_t reserved2[48] = {};
    char latHemisphere = 0;
    std::int32_t latDegrees = 0;
    double latMinutes = 0.0;
    char lonHemisphere = 0;
    std::int32_t lonDegrees = 0;
    double lonMinutes = 0.0;
};

// The field widths the binary writers rely on; the struct itself may hold
// padding between them, which is never written.
static_assert(sizeof(RoutePoint::ident) == 6);
static_assert(sizeof(RoutePoint::name) == 71);
static_assert(sizeof(RoutePoint::reserved2) == 48);
// The bytes a binary writer writes for the run from latitude to reserved2.
inline constexpr std::size_t kPointRecordRunBytes =
    sizeof(RoutePoint::latitude) + sizeof(RoutePoint::longitude) + sizeof(RoutePoint::altitude) +
    sizeof(RoutePoint::frequency) + sizeof(RoutePoint::ident) + sizeof(RoutePoint::name) +
    sizeof(RoutePoint::track) + sizeof(RoutePoint::distance) +
    sizeof(RoutePoint::cumulativeDistance) + sizeof(RoutePoint::reserved2);
static_assert(kPointRecordRunBytes == 181);

struct RouteLeg {
    RoutePoint points[kMaxLegPoints];
};

struct LegInfo {
    std::int32_t legNumber = 0;    // the number of the leg's section line
    std::uint32_t pointCount = 0;  // 2 to 32 in a completed leg
    std::int32_t filePos = 0;      // just after the section line in the source file
    double cruiseAltitude = 0.0;   // feet
    double spareValue = 0.0;       // always 0
    double legDistance = 0.0;      // nautical miles
    std::int32_t depRunwayIndex = 0;
    std::int32_t arrRunwayIndex = 0;
    FixedText<kRunwayTextLength> depRunway;
    FixedText<kRunwayTextLength> arrRunway;
    std::int32_t depRunwayChosen = 0;
    std::int32_t arrRunwayChosen = 0;
};

struct RouteStore {
    RouteLeg legs[kMaxLegs];
    LegInfo legInfo[kMaxLegs];
    std::uint32_t legCount = 0;
    std::uint32_t currentLeg = 0;
    double routeDistance = 0.0;  // nautical miles
    int RouteBuilt = 0;          // the last Build succeeded
    int RouteUnsaved = 0;        // a built route has not been written since

    // Zeroes every byte of the store but the two flags.
    void Reset();

    // The point index of leg, or null when it is not one of the leg's points.
    RoutePoint* PointAt(std::uint32_t leg, std::uint32_t index);
    const RoutePoint* PointAt(std::uint32_t leg, std::uint32_t index) const;
    // The first and the last point of leg (departure and destination), or
    // null when the leg has no points.
    const RoutePoint* DeparturePoint(std::uint32_t leg) const;
    const RoutePoint* DestinationPoint(std::uint32_t leg) const;
};

// Reset and ClearPoint clear whole records byte by byte, so that no stale text
// is left behind a terminator for a writer of fixed-width fields to pick up.
static_assert(std::is_trivially_copyable_v<RouteStore>);

// Every byte of the point zero.
void ClearPoint(RoutePoint& point);

}  // namespace rw
