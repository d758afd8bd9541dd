// The route the plan writers are tested with, natively and under Wine, and
// the printed ties that both builds must give alike.
#pragma once

#include <cstdint>

#include "export/export_kind.h"
#include "platform/main_window.h"
#include "resources/resource.h"
#include "shell/app_state.h"

namespace rw::test {

// The golden plans of the longer leg, one per format, in tests/data/plans.
struct FixturePlan {
    ExportKind kind;
    const char* fileName;
};
inline constexpr FixturePlan kFixturePlans[] = {
    {ExportKind::Msfs, "msfs.pln"},
    {ExportKind::AcsGps, "acs-gps.prg"},
    {ExportKind::RadarContact, "radar-contact.apl"},
    {ExportKind::SquawkBox, "squawkbox.sbp"},
    {ExportKind::Sfp, "sfp.pln"},
    {ExportKind::Nav, "nav.pln"},
};

// The date the golden Radar Contact plan carries, and its moment.
inline constexpr const char* kFixtureDate = "Thursday, 1 February 2024";
inline constexpr const char* kFixtureEpoch = "1706745600";

// Values half way between two printed digits, and values just off half way
// whose exact binary value decides: both builds print them the same.
struct FormatTie {
    const char* format;
    double value;
    const char* printed;
};
inline constexpr FormatTie kFormatTies[] = {
    {"%4.2f", 30.125, "30.12"},
    {"%.0f", 2500.5, "2500"},
    {"%.2f", 0.125, "0.12"},
    {"%.0f", 1.5, "2"},
    {"%.0f", 0.5, "0"},
    {"%.0f", -2.5, "-2"},
    {"%.0lf", 202.5, "202"},
    {"%05.2f", 0.375, "00.38"},
    {"%.1f", 0.25, "0.2"},
    {"%.2f", 1.005, "1.00"},
    {"%.1f", 0.35, "0.3"},
    {"%lf", 0.0000005, "0.000000"},
    {"%lf", 0.0000015, "0.000002"},
    {"%09.2f", -12.0, "-00012.00"},
    {"%4.2f", 59.995, "59.99"},
};

inline constexpr std::uint32_t kTwoPointLeg = 0;
inline constexpr std::uint32_t kLongLeg = 1;

struct FixturePoint {
    char type;
    const char* ident;
    const char* name;
    char latHemisphere;
    std::int32_t latDegrees;
    double latMinutes;
    char lonHemisphere;
    std::int32_t lonDegrees;
    double lonMinutes;
    double latitude;  // as literals, so that both builds hold the same bits
    double longitude;
    double altitude;
    double track;
    double distance;
};

inline void FillFixtureLeg(RouteStore& route, std::uint32_t leg, std::int32_t number,
                           const FixturePoint* points, std::uint32_t count)
{
    LegInfo& info = route.legInfo[leg];
    info.legNumber = number;
    info.pointCount = count;
    double cumulative = 0.0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const FixturePoint& f = points[i];
        RoutePoint& p = route.legs[leg].points[i];
        p.type = f.type;
        p.ident = f.ident;
        p.name = f.name;
        p.latHemisphere = f.latHemisphere;
        p.latDegrees = f.latDegrees;
        p.latMinutes = f.latMinutes;
        p.lonHemisphere = f.lonHemisphere;
        p.lonDegrees = f.lonDegrees;
        p.lonMinutes = f.lonMinutes;
        p.latitude = f.latitude;
        p.longitude = f.longitude;
        p.altitude = f.altitude;
        p.track = f.track;
        p.distance = f.distance;
        cumulative += f.distance;
        p.cumulativeDistance = cumulative;
    }
    info.legDistance = cumulative;
    route.routeDistance += cumulative;
}

// The route, built and unsaved: a leg of two airports and a longer current
// leg with every point type, a southern and western point, a negative
// altitude, values half way between two printed digits and a cruising
// altitude of 8499.9; IFR and High Altitude Airways checked in window.
inline void FillPlanFixture(AppState& state, MainWindow& window)
{
    static constexpr FixturePoint kShort[] = {
        {'A', "LSZH", "Zurich", 'N', 47, 27.48, 'E', 8, 32.93, 47.458, 8.548833333333333, 1416, 0,
         0},
        {'A', "LSZA", "Lugano", 'N', 46, 0.24, 'E', 8, 54.63, 46.004, 8.9105, 915, 162, 88.25},
    };
    static constexpr FixturePoint kLong[] = {
        {'A', "LSZH", "Zurich-Kloten International Airport of Switzerland", 'N', 47, 27.48, 'E', 8,
         32.93, 47.458, 8.548833333333333, 1416, 0, 0},
        {'V', "WIL", "WIL", 'N', 47, 10.72, 'E', 7, 54.27, 47.178666666666665, 7.9045000000000005,
         9000, 243, 30.25},
        {'N', "GLA", "GLA", 'N', 46, 30.125, 'E', 8, 0.125, 46.50208333333333, 8.002083333333333,
         8499.9, 180, 40.5},
        {'I', "ELMOS", "ELMOS", 'N', 46, 45.0, 'E', 7, 30.5, 46.75, 7.508333333333333, 2500.5, 315,
         25.125},
        // An airport inside the leg keeps an empty name.
        {'A', "LSZB", "", 'N', 47, 4.98, 'E', 7, 30.95, 47.083, 7.515833333333333, 1675, 90, 16.0},
        {'U', "UNK01", "UNK01", 'S', 5, 3.5, 'W', 77, 0.25, -5.058333333333334, -77.00416666666666,
         -12, 200, 50.375},
        {'I', "FAR", "FAR", 'N', 45, 0.0, 'W', 120, 5.0, 45.0, -120.08333333333333, 3000, 270,
         20.125},
        {'A', "LSGG", "Not found in Airport/Runway Data file!", 'N', 46, 14.28, 'E', 6, 6.54,
         46.238, 6.109, 1411, 45, 20.125},
    };
    RouteStore& route = state.route;
    route.Reset();
    FillFixtureLeg(route, kTwoPointLeg, 1, kShort, 2);
    FillFixtureLeg(route, kLongLeg, 2, kLong, 8);
    route.legInfo[kTwoPointLeg].cruiseAltitude = 0;
    route.legInfo[kTwoPointLeg].depRunway = "16 34 ";
    route.legInfo[kLongLeg].cruiseAltitude = 8499.9;
    // No departure runway entry: the departure position is left empty.
    route.legInfo[kLongLeg].arrRunway = "23 05 ";
    route.legCount = 2;
    route.currentLeg = kLongLeg;
    route.RouteBuilt = 1;
    route.RouteUnsaved = 1;

    for (const int id :
         {IDC_VFR, IDC_IFR, IDC_VOR_TO_VOR, IDC_LOW_AIRWAYS, IDC_HIGH_AIRWAYS, IDC_DIRECT_GPS}) {
        window.SetChecked(id, id == IDC_IFR || id == IDC_HIGH_AIRWAYS);
    }
}

}  // namespace rw::test
