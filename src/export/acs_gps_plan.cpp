// The ACS-GPS plan: identifier, name, longitude and latitude of every point
// after the departure airport.
#include "export/plan_formats.h"
#include "resources/resource.h"

namespace rw {

bool WriteAcsGpsLines(Context& context, PlanSink& sink, std::string_view name)
{
    const CurrentLeg leg(context.state.route);
    for (int i = 1; i < leg.Count(); ++i) {
        const RoutePoint& p = leg.Point(i);
        // Longitude comes before latitude.
        sink.Print("%s\n%s\n%c %02d* %05.2fm\n%c %02d* %05.2fm\n\n", p.ident.c_str(),
                   p.name.c_str(), p.lonHemisphere, p.lonDegrees, p.lonMinutes, p.latHemisphere,
                   p.latDegrees, p.latMinutes);
        if (sink.Failed()) {
            context.user.ShowMessage(IDS_ACSGPS_WRITE_ERROR, name, MessageIcon::Stop,
                                     MessageButtons::Ok);
            return false;
        }
    }
    return true;
}

bool WriteAcsGpsPlan(Context& context, PathText& path, PathText& name)
{
    return WritePlanFile(context, path, name, ExportKind::AcsGps, WriteAcsGpsLines);
}

}  // namespace rw
