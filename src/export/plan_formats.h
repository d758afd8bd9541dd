// The six plan formats: each writer, its lines, and the binary record that
// the Super Flight Planner and Nav plans share.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/fixed_text.h"
#include "export/plan_writer.h"
#include "platform/system.h"
#include "route/route_store.h"
#include "shell/context.h"

namespace rw {

// MS Flight Simulator 2000/2002 ".pln": an INI-style [flightplan] section.
[[nodiscard]] bool WriteMsfsPlan(Context& context, PathText& path, PathText& name);
void WriteMsfsHeader(Context& context, PlanSink& sink);
[[nodiscard]] bool WriteMsfsLines(Context& context, PlanSink& sink, std::string_view name);

// ACS-GPS ".prg": five lines per point after the departure airport.
[[nodiscard]] bool WriteAcsGpsPlan(Context& context, PathText& path, PathText& name);
[[nodiscard]] bool WriteAcsGpsLines(Context& context, PlanSink& sink, std::string_view name);

// SquawkBox ".sbp": colon-separated lines.
[[nodiscard]] bool WriteSquawkBoxPlan(Context& context, PathText& path, PathText& name);
[[nodiscard]] bool WriteSquawkBoxLines(Context& context, PlanSink& sink, std::string_view name);

// Radar Contact ".apl": a script of variables.
[[nodiscard]] bool WriteRadarContactPlan(Context& context, PathText& path, PathText& name);
void WriteRadarContactHeader(Context& context, PlanSink& sink, std::string_view name);
[[nodiscard]] bool WriteRadarContactLines(Context& context, PlanSink& sink, std::string_view name);

// The date of the Radar Contact plan: the long date of the user's locale,
// of the moment SOURCE_DATE_EPOCH names (decimal seconds since 1970) so
// that a plan can be reproduced byte for byte, else of now.
std::string PlanDate(System& system);
// The seconds of a SOURCE_DATE_EPOCH text, when it is a decimal number of
// seconds up to the end of the year 9999.
[[nodiscard]] bool ParseSourceDateEpoch(const char* text, std::int64_t& seconds);

// Super Flight Planner and Nav 3.x binary ".pln": an 8-byte header and one
// waypoint record per point; the Nav plan adds a block after each record.
[[nodiscard]] bool WriteSfpPlan(Context& context, PathText& path, PathText& name);
[[nodiscard]] bool WriteSfpLines(Context& context, PlanSink& sink, std::string_view name);
[[nodiscard]] bool WriteNavPlan(Context& context, PathText& path, PathText& name);
[[nodiscard]] bool WriteNavLines(Context& context, PlanSink& sink, std::string_view name);

inline constexpr std::uint32_t kSfpSignature = 135040;
inline constexpr std::uint32_t kNavSignature = 10020;
inline constexpr std::size_t kWaypointRecordBytes = 197;
inline constexpr std::size_t kNavBlockBytes = 256;

using WaypointRecord = std::array<unsigned char, kWaypointRecordBytes>;

// The type codes of the point type letters.
std::uint32_t SfpTypeCode(char type);
std::uint32_t NavTypeCode(char type);

// The point's record: little-endian, IEEE 754 doubles, no padding.
WaypointRecord MakeWaypointRecord(const RoutePoint& point, std::uint32_t typeCode);

// The points of the current leg as the writers read them: a count kept to
// the store's slots, and an empty point for an index outside the leg.
class CurrentLeg {
public:
    explicit CurrentLeg(const RouteStore& route);
    int Count() const { return count_; }
    const RoutePoint& Point(int index) const;
    const RoutePoint& First() const { return Point(0); }
    const RoutePoint& Last() const { return Point(count_ - 1); }
    const LegInfo& Info() const { return *info_; }

private:
    const RoutePoint* points_ = nullptr;
    const LegInfo* info_ = nullptr;
    int count_ = 0;
};

}  // namespace rw
