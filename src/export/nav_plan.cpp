// The Nav 3.x plan: the waypoint records of the Super Flight Planner plan,
// each followed by a block naming no file.
#include "export/plan_formats.h"
#include "resources/resource.h"

namespace rw {

bool WriteNavLines(Context& context, PlanSink& sink, std::string_view name)
{
    static constexpr unsigned char kNoFileBlock[kNavBlockBytes] = {'n', 'o', ' ', 'f',
                                                                   'i', 'l', 'e'};
    const CurrentLeg leg(context.state.route);
    sink.PutUint32(kNavSignature);
    sink.PutUint32(static_cast<std::uint32_t>(leg.Count()));
    for (int i = 0; i < leg.Count(); ++i) {
        const RoutePoint& p = leg.Point(i);
        const WaypointRecord record = MakeWaypointRecord(p, NavTypeCode(p.type));
        sink.PutBytes(record.data(), record.size());
        sink.PutBytes(kNoFileBlock, sizeof kNoFileBlock);
        if (sink.Failed()) {
            context.user.ShowMessage(IDS_NAV_WRITE_ERROR, name, MessageIcon::Stop,
                                     MessageButtons::Ok);
            return false;
        }
    }
    return true;
}

bool WriteNavPlan(Context& context, PathText& path, PathText& name)
{
    return WritePlanFile(context, path, name, ExportKind::Nav, WriteNavLines);
}

}  // namespace rw
