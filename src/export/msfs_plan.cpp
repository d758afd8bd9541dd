// The MS Flight Simulator 2000/2002 plan: one [flightplan] section of header
// keys and one waypoint key per point.
#include <cctype>
#include <string_view>

#include "export/plan_formats.h"
#include "resources/resource.h"

namespace rw {
namespace {

constexpr const char* kPositionLine = "%s%s, %c%02d* %4.2f', %c%03d* %4.2f', +%09.2f\n";

void PrintAirportLine(PlanSink& sink, const char* key, const RoutePoint& p)
{
    sink.Print(kPositionLine, key, p.ident.c_str(), p.latHemisphere, p.latDegrees, p.latMinutes,
               p.lonHemisphere, p.lonDegrees, p.lonMinutes, p.altitude);
}

// The runway designator at the start of a runway entry: its first word.
std::string FirstWord(std::string_view text)
{
    std::size_t begin = 0;
    while (begin < text.size() && std::isspace(static_cast<unsigned char>(text[begin]))) {
        ++begin;
    }
    std::size_t end = begin;
    while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end]))) {
        ++end;
    }
    return std::string(text.substr(begin, end - begin));
}

}  // namespace

void WriteMsfsHeader(Context& context, PlanSink& sink)
{
    const CurrentLeg leg(context.state.route);
    const RoutePoint& first = leg.First();
    const RoutePoint& last = leg.Last();
    const MainWindow& window = context.window;

    sink.Print("[flightplan]\n");
    sink.Print("title=%s to %s\n", first.ident.c_str(), last.ident.c_str());
    sink.Print("description=%s, %s\n", first.ident.c_str(), last.ident.c_str());
    if (window.IsChecked(IDC_VFR)) {
        sink.Print("type=VFR\n");
    }
    if (window.IsChecked(IDC_IFR)) {
        sink.Print("type=IFR\n");
    }
    if (window.IsChecked(IDC_DIRECT_GPS)) {
        sink.Print("routetype=0\n");
    }
    if (window.IsChecked(IDC_VOR_TO_VOR)) {
        sink.Print("routetype=1\n");
    }
    if (window.IsChecked(IDC_LOW_AIRWAYS)) {
        sink.Print("routetype=2\n");
    }
    if (window.IsChecked(IDC_HIGH_AIRWAYS)) {
        sink.Print("routetype=3\n");
    }
    sink.Print("cruising_altitude=%d\n", CutToInt(leg.Info().cruiseAltitude));
    PrintAirportLine(sink, "departure_id=", first);
    // Without a runway entry the key stays, with an empty value.
    sink.Print("departure_position=%s\n", FirstWord(leg.Info().depRunway.view()).c_str());
    PrintAirportLine(sink, "destination_id=", last);
    // The alternate is always the destination.
    PrintAirportLine(sink, "alternate_id=", last);
    sink.Print("departure_name=%s\n", first.name.c_str());
    sink.Print("destination_name=%s\n", last.name.c_str());
    sink.Print("alternate_name=%s\n", last.name.c_str());
}

bool WriteMsfsLines(Context& context, PlanSink& sink, std::string_view name)
{
    WriteMsfsHeader(context, sink);
    // A header that failed is told at once; the first waypoint's test tells
    // it again and ends the plan.
    if (sink.Failed()) {
        context.user.ShowMessage(IDS_MSFS_WRITE_ERROR, name, MessageIcon::Stop, MessageButtons::Ok);
    }
    const CurrentLeg leg(context.state.route);
    for (int i = 0; i < leg.Count(); ++i) {
        const RoutePoint& p = leg.Point(i);
        sink.Print("%s%d=%s, %c, %c%02d* %4.2f', %c%03d* %4.2f', +%09.2f,\n", "waypoint.", i,
                   p.ident.c_str(), p.type, p.latHemisphere, p.latDegrees, p.latMinutes,
                   p.lonHemisphere, p.lonDegrees, p.lonMinutes, p.altitude);
        if (sink.Failed()) {
            context.user.ShowMessage(IDS_MSFS_WRITE_ERROR, name, MessageIcon::Stop,
                                     MessageButtons::Ok);
            return false;
        }
    }
    return true;
}

bool WriteMsfsPlan(Context& context, PathText& path, PathText& name)
{
    return WritePlanFile(context, path, name, ExportKind::Msfs, WriteMsfsLines);
}

}  // namespace rw
