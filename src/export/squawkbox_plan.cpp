// The SquawkBox plan: a header line naming the two airports, then one line
// per point between them.
#include "export/plan_formats.h"
#include "resources/resource.h"

namespace rw {

bool WriteSquawkBoxLines(Context& context, PlanSink& sink, std::string_view name)
{
    const CurrentLeg leg(context.state.route);
    const auto failed = [&] {
        if (!sink.Failed()) {
            return false;
        }
        context.user.ShowMessage(IDS_SQB_WRITE_ERROR, name, MessageIcon::Stop, MessageButtons::Ok);
        return true;
    };

    // The format's route total and spare field are always 0; the route's own
    // total stays as it is.
    const int routeTotal = 0;
    sink.Print("%s:%s:%d\n", leg.First().ident.c_str(), leg.Last().ident.c_str(), routeTotal);
    if (failed()) {
        return false;
    }
    const int spare = 0;
    for (int i = 1; i + 1 < leg.Count(); ++i) {
        const RoutePoint& p = leg.Point(i);
        sink.Print("%c:%s:%lf:%lf:%d:%0.0lf:%0.0lf:%0.0lf\n", p.type, p.ident.c_str(), p.latitude,
                   p.longitude, spare, p.altitude, leg.Point(i + 1).altitude, p.track);
        if (failed()) {
            return false;
        }
    }
    return true;
}

bool WriteSquawkBoxPlan(Context& context, PathText& path, PathText& name)
{
    return WritePlanFile(context, path, name, ExportKind::SquawkBox, WriteSquawkBoxLines);
}

}  // namespace rw
