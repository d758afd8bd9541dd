// The Super Flight Planner plan, and the waypoint record it shares with the
// Nav plan.
#include <bit>
#include <cstring>
#include <limits>

#include "export/plan_formats.h"
#include "resources/resource.h"

namespace rw {
namespace {

static_assert(std::numeric_limits<double>::is_iec559, "the records hold IEEE 754 doubles");

// Little-endian on every host: the bytes are taken from the value, not
// from memory.
void StoreUint32(unsigned char* at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

void StoreDouble(unsigned char* at, double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) {
        at[i] = static_cast<unsigned char>(bits >> (8 * i));
    }
}

// A text and zero bytes after it to the end of its field, which keeps
// room for the terminator.
void StoreText(unsigned char* at, std::size_t fieldBytes, std::string_view text)
{
    const std::size_t n = text.size() < fieldBytes ? text.size() : fieldBytes - 1;
    std::memcpy(at, text.data(), n);
}

}  // namespace

std::uint32_t SfpTypeCode(char type)
{
    switch (type) {
        case 'A': return 4;
        case 'N': return 1;
        case 'V': return 3;
        default: return 9;  // 'I' and any other letter
    }
}

std::uint32_t NavTypeCode(char type)
{
    return type == 'I' ? 13 : SfpTypeCode(type);
}

WaypointRecord MakeWaypointRecord(const RoutePoint& point, std::uint32_t typeCode)
{
    WaypointRecord record{};
    unsigned char* r = record.data();
    StoreUint32(r + 0, typeCode);
    StoreDouble(r + 4, point.latitude);
    StoreDouble(r + 12, point.longitude);
    StoreDouble(r + 20, point.altitude);
    StoreDouble(r + 28, point.frequency);
    StoreText(r + 36, 6, point.ident.view());
    StoreText(r + 42, 71, point.name.view());
    StoreDouble(r + 113, point.track);
    StoreDouble(r + 121, point.distance);
    StoreDouble(r + 129, point.cumulativeDistance);
    // The point's reserved block is written as it stands (zero); the record's
    // last bytes stay zero.
    std::memcpy(r + 137, point.reserved2, sizeof point.reserved2);
    return record;
}

static_assert(sizeof(RoutePoint::ident) == 6 && sizeof(RoutePoint::name) == 71,
              "the record's text fields hold the point's whole texts");
static_assert(137 + sizeof(RoutePoint::reserved2) <= kWaypointRecordBytes);

bool WriteSfpLines(Context& context, PlanSink& sink, std::string_view name)
{
    const CurrentLeg leg(context.state.route);
    const auto count = static_cast<std::uint32_t>(leg.Count());
    sink.PutUint32(kSfpSignature);
    sink.PutUint32(static_cast<std::uint32_t>(8 + kWaypointRecordBytes * count));
    for (int i = 0; i < leg.Count(); ++i) {
        const RoutePoint& p = leg.Point(i);
        const WaypointRecord record = MakeWaypointRecord(p, SfpTypeCode(p.type));
        sink.PutBytes(record.data(), record.size());
        if (sink.Failed()) {
            context.user.ShowMessage(IDS_SFP_WRITE_ERROR, name, MessageIcon::Stop,
                                     MessageButtons::Ok);
            return false;
        }
    }
    return true;
}

bool WriteSfpPlan(Context& context, PathText& path, PathText& name)
{
    return WritePlanFile(context, path, name, ExportKind::Sfp, WriteSfpLines);
}

}  // namespace rw
