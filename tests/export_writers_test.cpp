// The six plan writers: the golden plans of the fixture route byte for byte,
// the examples of each format, the binary layouts at their offsets, the
// printed ties, the Radar Contact date, and the writer frame: its messages,
// the overwrite question, and write errors that leave an earlier plan as it was.
#include "export/plan_formats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <limits>
#include <optional>
#include <sstream>

#include "console/console_platform.h"
#include "export/naming.h"
#include "export_test_support.h"

namespace rw {
namespace {

using test::ExportTest;
using test::kFixturePlans;
using test::MemorySink;
using test::ReadBytes;
using test::ShownIds;
using test::WriteBytes;

const std::string kGoldenFolder = std::string(RW_TEST_DATA_DIR) + "/plans/";

PlanContent ContentOf(ExportKind kind)
{
    switch (kind) {
        case ExportKind::Msfs: return WriteMsfsLines;
        case ExportKind::AcsGps: return WriteAcsGpsLines;
        case ExportKind::RadarContact: return WriteRadarContactLines;
        case ExportKind::SquawkBox: return WriteSquawkBoxLines;
        case ExportKind::Sfp: return WriteSfpLines;
        case ExportKind::Nav: return WriteNavLines;
        case ExportKind::AllFiles: break;
    }
    return nullptr;
}

bool IsTextFormat(ExportKind kind)
{
    return kind != ExportKind::Sfp && kind != ExportKind::Nav;
}

std::uint32_t Uint32At(const std::string& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    }
    return value;
}

double DoubleAt(const std::string& bytes, std::size_t at)
{
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) {
        bits = bits << 8 | static_cast<unsigned char>(bytes.at(at + i));
    }
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The lines of a text with CR LF line ends.
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t end = text.find("\r\n", begin);
        if (end == std::string::npos) {
            lines.push_back(text.substr(begin));
            break;
        }
        lines.push_back(text.substr(begin, end - begin));
        begin = end + 2;
    }
    return lines;
}

bool HasLine(const std::string& text, const std::string& line)
{
    const std::vector<std::string> lines = Lines(text);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class PlanWriters : public ExportTest {
protected:
    // The format's lines of the current leg, in memory.
    std::string Content(ExportKind kind)
    {
        MemorySink sink;
        EXPECT_TRUE(ContentOf(kind)(context, sink, "plan"));
        return sink.bytes;
    }

    // The plan written by the format's writer into the test's folder.
    std::string Written(ExportKind kind, const std::string& fileName)
    {
        PathText path(In(fileName));
        PathText name(fileName);
        EXPECT_TRUE(FindExportFormat(static_cast<int>(kind))->writer(context, path, name));
        return ReadBytes(path.str());
    }
};

TEST_F(PlanWriters, WriteTheGoldenPlansByteForByte)
{
    for (const test::FixturePlan& plan : kFixturePlans) {
        SCOPED_TRACE(plan.fileName);
        const std::string written = Written(plan.kind, plan.fileName);
        const std::string golden = ReadBytes(kGoldenFolder + plan.fileName);
        if (golden.empty()) {
            ADD_FAILURE() << "no golden file; the plan written is left at " << In(plan.fileName);
            continue;
        }
        if (IsTextFormat(plan.kind)) {
            EXPECT_EQ(written, golden) << "the plan written is left at " << In(plan.fileName);
        } else {
            EXPECT_TRUE(written == golden) << "the plan written is left at " << In(plan.fileName);
        }
    }
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(state.route.RouteUnsaved, 0);
}

TEST_F(PlanWriters, TextPlansEndEveryLineWithCarriageReturnAndLineFeed)
{
    for (const test::FixturePlan& plan : kFixturePlans) {
        if (!IsTextFormat(plan.kind)) {
            continue;
        }
        SCOPED_TRACE(plan.fileName);
        const std::string bytes = Content(plan.kind);
        ASSERT_FALSE(bytes.empty());
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "a bare line feed at " << i;
            }
            if (bytes[i] == '\r') {
                ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "a bare CR at " << i;
            }
        }
    }
}

TEST_F(PlanWriters, PrintTheFormatsExamples)
{
    struct Case {
        ExportKind kind;
        const char* line;
    };
    const Case cases[] = {
        {ExportKind::Msfs, "title=LSZH to LSGG"},
        {ExportKind::Msfs, "description=LSZH, LSGG"},
        {ExportKind::Msfs, "cruising_altitude=8499"},
        {ExportKind::Msfs, "departure_id=LSZH, N47* 27.48', E008* 32.93', +001416.00"},
        {ExportKind::Msfs, "departure_position="},
        {ExportKind::Msfs, "destination_id=LSGG, N46* 14.28', E006* 6.54', +001411.00"},
        {ExportKind::Msfs, "alternate_id=LSGG, N46* 14.28', E006* 6.54', +001411.00"},
        {ExportKind::Msfs, "departure_name=Zurich-Kloten International Airport of Switzerland"},
        {ExportKind::Msfs, "destination_name=Not found in Airport/Runway Data file!"},
        {ExportKind::Msfs, "alternate_name=Not found in Airport/Runway Data file!"},
        {ExportKind::Msfs, "waypoint.0=LSZH, A, N47* 27.48', E008* 32.93', +001416.00,"},
        {ExportKind::Msfs, "waypoint.2=GLA, N, N46* 30.12', E008* 0.12', +008499.90,"},
        {ExportKind::Msfs, "waypoint.5=UNK01, U, S05* 3.50', W077* 0.25', +-00012.00,"},
        {ExportKind::Msfs, "waypoint.7=LSGG, A, N46* 14.28', E006* 6.54', +001411.00,"},
        {ExportKind::AcsGps, "E 07* 54.27m"},
        {ExportKind::AcsGps, "N 46* 30.12m"},
        {ExportKind::AcsGps, "E 08* 00.12m"},
        {ExportKind::AcsGps, "S 05* 03.50m"},
        {ExportKind::AcsGps, "W 120* 05.00m"},
        {ExportKind::AcsGps, "Not found in Airport/Runway Data file!"},
        {ExportKind::SquawkBox, "LSZH:LSGG:0"},
        {ExportKind::SquawkBox, "V:WIL:47.178667:7.904500:0:9000:8500:243"},
        {ExportKind::SquawkBox, "N:GLA:46.502083:8.002083:0:8500:2500:180"},
        {ExportKind::SquawkBox, "I:ELMOS:46.750000:7.508333:0:2500:1675:315"},
        {ExportKind::SquawkBox, "U:UNK01:-5.058333:-77.004167:0:-12:3000:200"},
        // The last point line carries the destination's altitude.
        {ExportKind::SquawkBox, "I:FAR:45.000000:-120.083333:0:3000:1411:270"},
        {ExportKind::RadarContact,
         "; Generated by Routewright for Radar Contact on "
         "Thursday, 1 February 2024"},
        {ExportKind::RadarContact, "ARRIVAL_ID = \"LSGG\""},
        {ExportKind::RadarContact, "HOLD_ID = \"FAR\""},
        {ExportKind::RadarContact, "DEPARTURE_ID = \"LSZH\""},
        {ExportKind::RadarContact, "    Title \"!RC LSZH to LSGG (filename: plan)\""},
        {ExportKind::RadarContact,
         "    Description \"Zurich-Kloten International Airport of Switzerland to Not found in "
         "Airport/Runway Data file!, 202 nm at FL84\""},
        {ExportKind::RadarContact, "    filed_altitude = 849"},
        {ExportKind::RadarContact, "    departure_elevation = 1416"},
        {ExportKind::RadarContact, "    arrival_elevation = 1411"},
        {ExportKind::RadarContact, "    number_of_checkpoints = 6"},
        {ExportKind::RadarContact, "    departure_latitude = 47.458000"},
        {ExportKind::RadarContact, "    arrival_longitude = 6.109000"},
        {ExportKind::RadarContact, "    checkpoint_1_freq = 0.00"},
        {ExportKind::RadarContact, "    checkpoint_2_freq = 0.00"},
        {ExportKind::RadarContact, "    checkpoint_3_altitude = 250"},
        {ExportKind::RadarContact, "    checkpoint_5_altitude = -1"},
        {ExportKind::RadarContact, "    checkpoint_5_longitude = -77.004167"},
        {ExportKind::RadarContact, "    checkpoint_6_heading = 270"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_TRUE(HasLine(Content(c.kind), c.line));
    }
}

TEST_F(PlanWriters, MsfsHeaderHasOneLinePerCheckedRadioButtonInTheirOrder)
{
    struct Case {
        std::vector<int> checked;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {{IDC_IFR, IDC_HIGH_AIRWAYS}, {"type=IFR", "routetype=3"}},
        {{IDC_VFR, IDC_DIRECT_GPS}, {"type=VFR", "routetype=0"}},
        {{IDC_VFR, IDC_VOR_TO_VOR}, {"type=VFR", "routetype=1"}},
        {{IDC_IFR, IDC_LOW_AIRWAYS}, {"type=IFR", "routetype=2"}},
        {{}, {}},
        {{IDC_IFR, IDC_VFR, IDC_HIGH_AIRWAYS, IDC_DIRECT_GPS},
         {"type=VFR", "type=IFR", "routetype=0", "routetype=3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.checked));
        window.checked.clear();
        for (const int id : c.checked) {
            window.SetChecked(id, true);
        }
        MemorySink sink;
        WriteMsfsHeader(context, sink);
        std::vector<std::string> typeLines;
        for (const std::string& line : Lines(sink.bytes)) {
            if (line.rfind("type=", 0) == 0 || line.rfind("routetype=", 0) == 0) {
                typeLines.push_back(line);
            }
        }
        EXPECT_EQ(typeLines, c.lines);
        const std::vector<std::string> lines = Lines(sink.bytes);
        ASSERT_GE(lines.size(), 4u);
        EXPECT_EQ(lines[3 + c.lines.size()], "cruising_altitude=8499");
    }
}

TEST_F(PlanWriters, MsfsDeparturePositionIsTheFirstWordOfTheRunwayEntry)
{
    struct Case {
        const char* runway;
        const char* line;
    };
    const Case cases[] = {
        {"16 34 ", "departure_position=16"},     {"28", "departure_position=28"},
        {"  10L 28R", "departure_position=10L"}, {"", "departure_position="},
        {"   ", "departure_position="},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.runway);
        state.route.legInfo[test::kLongLeg].depRunway = c.runway;
        EXPECT_TRUE(HasLine(Content(ExportKind::Msfs), c.line));
    }
}

TEST_F(PlanWriters, MsfsPositionsAndAltitudes)
{
    struct Case {
        char latHemisphere;
        int latDegrees;
        double latMinutes;
        char lonHemisphere;
        int lonDegrees;
        double lonMinutes;
        double altitude;
        const char* line;
    };
    const Case cases[] = {
        {'N', 47, 27.48, 'E', 8, 32.93, 1416,
         "waypoint.1=WIL, V, N47* 27.48', E008* 32.93', +001416.00,"},
        {'S', 5, 3.5, 'W', 77, 0.25, 0, "waypoint.1=WIL, V, S05* 3.50', W077* 0.25', +000000.00,"},
        {'N', 0, 0, 'W', 120, 59.999, -12,
         "waypoint.1=WIL, V, N00* 0.00', W120* 60.00', +-00012.00,"},
        {'N', 1, 30.125, 'E', 0, 0.125, 8499.9,
         "waypoint.1=WIL, V, N01* 30.12', E000* 0.12', +008499.90,"},
        {'N', 1, 1, 'E', 1, 1, 123456.789,
         "waypoint.1=WIL, V, N01* 1.00', E001* 1.00', +123456.79,"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        RoutePoint& p = state.route.legs[test::kLongLeg].points[1];
        p.latHemisphere = c.latHemisphere;
        p.latDegrees = c.latDegrees;
        p.latMinutes = c.latMinutes;
        p.lonHemisphere = c.lonHemisphere;
        p.lonDegrees = c.lonDegrees;
        p.lonMinutes = c.lonMinutes;
        p.altitude = c.altitude;
        EXPECT_TRUE(HasLine(Content(ExportKind::Msfs), c.line));
    }
}

TEST_F(PlanWriters, WholeNumbersAreCutTowardZero)
{
    struct Case {
        double cruise;
        const char* msfs;
        const char* description;
        const char* filed;
    };
    const Case cases[] = {
        {8499.9, "cruising_altitude=8499", "202 nm at FL84\"", "    filed_altitude = 849"},
        {8500, "cruising_altitude=8500", "202 nm at FL85\"", "    filed_altitude = 850"},
        {0, "cruising_altitude=0", "202 nm at FL0\"", "    filed_altitude = 0"},
        {-150.5, "cruising_altitude=-150", "202 nm at FL-1\"", "    filed_altitude = -15"},
        {1e12, "cruising_altitude=2147483647", "202 nm at FL21474836\"",
         "    filed_altitude = 214748364"},
        {std::numeric_limits<double>::quiet_NaN(), "cruising_altitude=0", "202 nm at FL0\"",
         "    filed_altitude = 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.msfs);
        state.route.legInfo[test::kLongLeg].cruiseAltitude = c.cruise;
        EXPECT_TRUE(HasLine(Content(ExportKind::Msfs), c.msfs));
        const std::string rc = Content(ExportKind::RadarContact);
        EXPECT_NE(rc.find(c.description), std::string::npos);
        EXPECT_TRUE(HasLine(rc, c.filed));
    }
}

TEST_F(PlanWriters, TwoPointLegs)
{
    state.route.currentLeg = test::kTwoPointLeg;

    const std::vector<std::string> msfs = Lines(Content(ExportKind::Msfs));
    ASSERT_GE(msfs.size(), 2u);
    EXPECT_EQ(msfs[msfs.size() - 2], "waypoint.0=LSZH, A, N47* 27.48', E008* 32.93', +001416.00,");
    EXPECT_EQ(msfs.back(), "waypoint.1=LSZA, A, N46* 0.24', E008* 54.63', +000915.00,");
    EXPECT_TRUE(HasLine(Content(ExportKind::Msfs), "departure_position=16"));

    EXPECT_EQ(Content(ExportKind::AcsGps),
              "LSZA\r\nLugano\r\nE 08* 54.63m\r\nN 46* 00.24m\r\n\r\n");
    EXPECT_EQ(Content(ExportKind::SquawkBox), "LSZH:LSZA:0\r\n");

    const std::string rc = Content(ExportKind::RadarContact);
    EXPECT_TRUE(HasLine(rc, "HOLD_ID = \"LSZH\""));
    EXPECT_TRUE(HasLine(rc, "    number_of_checkpoints = 0"));
    EXPECT_EQ(rc.find("checkpoint_"), std::string::npos);
    const std::string tail = "    arrival_longitude = 8.910500\r\nRETURN";
    ASSERT_GE(rc.size(), tail.size());
    EXPECT_EQ(rc.substr(rc.size() - tail.size()), tail);
}

TEST_F(PlanWriters, RadarContactCheckpoints)
{
    RoutePoint* points = state.route.legs[test::kLongLeg].points;
    points[3].altitude = 4999.9;
    points[1].frequency = 114.25;
    const std::string rc = Content(ExportKind::RadarContact);
    EXPECT_TRUE(HasLine(rc, "    checkpoint_3_altitude = 499"));
    EXPECT_TRUE(HasLine(rc, "    checkpoint_1_freq = 114.25"));
    // Only VORs and NDBs have a frequency line.
    for (const int i : {3, 4, 5, 6}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rc.find("checkpoint_" + std::to_string(i) + "_freq"), std::string::npos);
    }
    const std::string group =
        "    checkpoint_1_latitude = 47.178667\r\n"
        "    checkpoint_1_longitude = 7.904500\r\n"
        "    checkpoint_1_altitude = 900\r\n"
        "    checkpoint_1_freq = 114.25\r\n"
        "    checkpoint_1_heading = 243\r\n"
        "    checkpoint_2_latitude = ";
    EXPECT_NE(rc.find(group), std::string::npos);
}

TEST_F(PlanWriters, SquawkBoxKeepsTheRoutesTotal)
{
    const double total = state.route.routeDistance;
    ASSERT_GT(total, 0.0);
    EXPECT_TRUE(HasLine(Content(ExportKind::SquawkBox), "LSZH:LSGG:0"));
    (void)Content(ExportKind::RadarContact);
    EXPECT_EQ(state.route.routeDistance, total);
}

TEST_F(PlanWriters, NamesArePrintedWhole)
{
    const std::string longest(kNameLength, 'n');
    state.route.legs[test::kLongLeg].points[0].name = longest + "cut";
    EXPECT_EQ(state.route.legs[test::kLongLeg].points[0].name, longest);
    EXPECT_TRUE(HasLine(Content(ExportKind::Msfs), "departure_name=" + longest));
}

TEST(PlanText, TiesPrintAsTheExactBinaryValueRoundsHalfToEven)
{
    for (const test::FormatTie& tie : test::kFormatTies) {
        SCOPED_TRACE(std::string(tie.format) + " of " + std::to_string(tie.value));
        MemorySink sink;
        sink.Print(tie.format, tie.value);
        EXPECT_EQ(sink.bytes, tie.printed);
    }
}

TEST(PlanText, AZeroCharacterIsWrittenAsAByte)
{
    MemorySink sink;
    sink.Print("%c:%s\n", '\0', "x");
    EXPECT_EQ(sink.bytes, std::string("\0:x\r\n", 5));
}

TEST(PlanSink, FailsAfterItsLimitAndDropsLaterBytes)
{
    MemorySink sink;
    sink.FailAfter(5);
    sink.PutBytes("abc", 3);
    EXPECT_FALSE(sink.Failed());
    sink.PutBytes("defg", 4);
    EXPECT_TRUE(sink.Failed());
    sink.PutBytes("h", 1);
    EXPECT_EQ(sink.bytes, "abcde");
}

TEST(PlanSink, WritesLittleEndianIntegers)
{
    MemorySink sink;
    sink.PutUint32(0x00020F80);
    EXPECT_EQ(sink.bytes, std::string("\x80\x0F\x02\x00", 4));
}

TEST(WaypointRecord, FieldsAtTheirOffsets)
{
    RoutePoint p;
    p.type = 'V';
    p.latitude = -46.5;
    p.longitude = 8.25;
    p.altitude = -12;
    p.frequency = 114.25;
    p.ident = "WIL";
    p.name = std::string(80, 'x');
    p.track = 243;
    p.distance = 30.25;
    p.cumulativeDistance = 70.75;
    const WaypointRecord record = MakeWaypointRecord(p, 3);
    const std::string bytes(record.begin(), record.end());
    ASSERT_EQ(bytes.size(), 197u);
    EXPECT_EQ(Uint32At(bytes, 0), 3u);
    EXPECT_EQ(DoubleAt(bytes, 4), -46.5);
    EXPECT_EQ(DoubleAt(bytes, 12), 8.25);
    EXPECT_EQ(DoubleAt(bytes, 20), -12.0);
    EXPECT_EQ(DoubleAt(bytes, 28), 114.25);
    EXPECT_EQ(bytes.substr(36, 6), std::string("WIL\0\0\0", 6));
    // The name field holds the store's 70 characters and a terminator.
    EXPECT_EQ(bytes.substr(42, 70), std::string(70, 'x'));
    EXPECT_EQ(bytes[112], '\0');
    EXPECT_EQ(DoubleAt(bytes, 113), 243.0);
    EXPECT_EQ(DoubleAt(bytes, 121), 30.25);
    EXPECT_EQ(DoubleAt(bytes, 129), 70.75);
    EXPECT_EQ(bytes.substr(137), std::string(60, '\0'));
    // IEEE 754 little-endian: 1.0 is 00 .. 00 F0 3F.
    p.latitude = 1.0;
    const WaypointRecord one = MakeWaypointRecord(p, 3);
    EXPECT_EQ(std::string(one.begin() + 4, one.begin() + 12),
              std::string("\0\0\0\0\0\0\xF0\x3F", 8));
}

TEST(WaypointRecord, TypeCodes)
{
    struct Case {
        char type;
        std::uint32_t sfp;
        std::uint32_t nav;
    };
    const Case cases[] = {{'A', 4, 4}, {'N', 1, 1}, {'V', 3, 3}, {'I', 9, 13},
                          {'U', 9, 9}, {'v', 9, 9}, {'\0', 9, 9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(SfpTypeCode(c.type), c.sfp);
        EXPECT_EQ(NavTypeCode(c.type), c.nav);
    }
}

TEST_F(PlanWriters, BinaryPlansOfTwoPoints)
{
    state.route.currentLeg = test::kTwoPointLeg;

    const std::string sfp = Written(ExportKind::Sfp, "two.pln");
    ASSERT_EQ(sfp.size(), 402u);
    EXPECT_EQ(Uint32At(sfp, 0), 135040u);
    EXPECT_EQ(Uint32At(sfp, 4), 402u);
    EXPECT_EQ(Uint32At(sfp, 8), 4u);
    EXPECT_EQ(DoubleAt(sfp, 8 + 4), 47.458);
    EXPECT_EQ(sfp.substr(8 + 36, 6), std::string("LSZH\0\0", 6));
    EXPECT_EQ(sfp.substr(8 + 42, 71), "Zurich" + std::string(65, '\0'));
    EXPECT_EQ(Uint32At(sfp, 8 + 197), 4u);
    EXPECT_EQ(DoubleAt(sfp, 8 + 197 + 20), 915.0);
    EXPECT_EQ(DoubleAt(sfp, 8 + 197 + 113), 162.0);
    EXPECT_EQ(DoubleAt(sfp, 8 + 197 + 121), 88.25);
    EXPECT_EQ(DoubleAt(sfp, 8 + 197 + 129), 88.25);

    const std::string nav = Written(ExportKind::Nav, "two-nav.pln");
    ASSERT_EQ(nav.size(), 914u);
    EXPECT_EQ(Uint32At(nav, 0), 10020u);
    EXPECT_EQ(Uint32At(nav, 4), 2u);
    for (const std::size_t record : {std::size_t{8}, std::size_t{8 + 453}}) {
        SCOPED_TRACE(record);
        EXPECT_EQ(nav.substr(record, 197), sfp.substr(record == 8 ? 8 : 8 + 197, 197));
        EXPECT_EQ(nav.substr(record + 197, 256), "no file" + std::string(249, '\0'));
    }
}

TEST_F(PlanWriters, BinaryPlansOfTheLongLeg)
{
    const std::string sfp = Written(ExportKind::Sfp, "long.pln");
    const std::string nav = Written(ExportKind::Nav, "long-nav.pln");
    ASSERT_EQ(sfp.size(), 8u + 197 * 8);
    ASSERT_EQ(nav.size(), 8u + 453 * 8);
    struct Case {
        int point;
        std::uint32_t sfp;
        std::uint32_t nav;
    };
    const Case cases[] = {{0, 4, 4}, {1, 3, 3}, {2, 1, 1},  {3, 9, 13},
                          {4, 4, 4}, {5, 9, 9}, {6, 9, 13}, {7, 4, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.point);
        EXPECT_EQ(Uint32At(sfp, 8 + 197 * c.point), c.sfp);
        EXPECT_EQ(Uint32At(nav, 8 + 453 * c.point), c.nav);
    }
    // A three-letter identifier: bytes 36 to 38, then a zero.
    EXPECT_EQ(sfp.substr(8 + 197 + 36, 4), std::string("WIL\0", 4));
    EXPECT_EQ(sfp.substr(8 + 197 * 7 + 42, 39),
              "Not found in Airport/Runway Data file!" + std::string(1, '\0'));
    EXPECT_EQ(DoubleAt(sfp, 8 + 197 * 5 + 4), -5.058333333333334);
    EXPECT_EQ(DoubleAt(sfp, 8 + 197 * 5 + 12), -77.00416666666666);
    EXPECT_EQ(DoubleAt(sfp, 8 + 197 * 7 + 129), 202.5);
}

TEST_F(PlanWriters, SuperFlightPlannerPlanOf32Points)
{
    RouteStore& route = state.route;
    for (std::uint32_t i = 2; i < kMaxLegPoints; ++i) {
        route.legs[test::kLongLeg].points[i] = route.legs[test::kLongLeg].points[1];
    }
    route.legs[test::kLongLeg].points[31] = route.legs[test::kLongLeg].points[7];
    route.legInfo[test::kLongLeg].pointCount = kMaxLegPoints;
    const std::string sfp = Written(ExportKind::Sfp, "full.pln");
    EXPECT_EQ(sfp.size(), 6312u);
    EXPECT_EQ(Uint32At(sfp, 4), 6312u);
    EXPECT_EQ(Written(ExportKind::Nav, "full-nav.pln").size(), 8u + 453 * 32);
}

TEST_F(PlanWriters, ACountBeyondTheSlotsStaysInsideThem)
{
    state.route.legInfo[test::kLongLeg].pointCount = 40;
    EXPECT_EQ(Content(ExportKind::Sfp).size(), 6312u);
    state.route.currentLeg = 9;
    EXPECT_EQ(Content(ExportKind::Sfp).size(), 8u);
    state.route.currentLeg = 2;
    EXPECT_EQ(Content(ExportKind::SquawkBox), "::0\r\n");
}

TEST(PlanDate, SourceDateEpochIsADecimalNumberOfSeconds)
{
    struct Case {
        const char* text;
        bool valid;
        std::int64_t seconds;
    };
    const Case cases[] = {
        {"1706745600", true, 1706745600},
        {"0", true, 0},
        {"253402300799", true, 253402300799},
        {"253402300800", false, 0},
        {"99999999999999999999999", false, 0},
        {"", false, 0},
        {"-5", false, 0},
        {" 5", false, 0},
        {"5 ", false, 0},
        {"12abc", false, 0},
        {"1.5", false, 0},
        {nullptr, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(none)");
        std::int64_t seconds = -1;
        EXPECT_EQ(ParseSourceDateEpoch(c.text, seconds), c.valid);
        EXPECT_EQ(seconds, c.valid ? c.seconds : -1);
    }
}

// Sets an environment variable for one test and puts it back afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
        tzset();
    }
    ~ScopedEnvironment()
    {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
        tzset();
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(PlanDate, IsTheMomentOfSourceDateEpochElseNow)
{
    test::FakeSystem system;
    {
        ScopedEnvironment epoch("SOURCE_DATE_EPOCH", test::kFixtureEpoch);
        EXPECT_EQ(PlanDate(system), system.longDate);
    }
    for (const char* text : {"junk", static_cast<const char*>(nullptr)}) {
        SCOPED_TRACE(text ? text : "(none)");
        ScopedEnvironment epoch("SOURCE_DATE_EPOCH", text);
        const std::int64_t before = std::time(nullptr);
        (void)PlanDate(system);
        const std::int64_t after = std::time(nullptr);
        ASSERT_FALSE(system.dateMoments.empty());
        EXPECT_GE(system.dateMoments.back(), before);
        EXPECT_LE(system.dateMoments.back(), after);
    }
    ASSERT_EQ(system.dateMoments.size(), 3u);
    EXPECT_EQ(system.dateMoments[0], 1706745600);
}

TEST(PlanDate, CommandLineProgramGivesTheLocalesLongForm)
{
    ScopedEnvironment zone("TZ", "UTC");
    ScopedEnvironment locale("LC_ALL", "C");
    ConsoleSystem system;
    EXPECT_EQ(system.LongDate(1706745600), "Thursday, 1 February 2024");
    EXPECT_EQ(system.LongDate(0), "Thursday, 1 January 1970");
    EXPECT_EQ(system.LongDate(1700000000), "Tuesday, 14 November 2023");
}

// The frame's messages of each format, reached through its writer.
struct FrameTexts {
    ExportKind kind;
    int noName;
    int exists;
    int createFailed;
    int writeError;
};
constexpr FrameTexts kFrameTexts[] = {
    {ExportKind::Msfs, 40047, 40048, 40049, 40050},
    {ExportKind::AcsGps, 40051, 40052, 40053, 40054},
    {ExportKind::SquawkBox, 40055, 40056, 40057, 40058},
    {ExportKind::RadarContact, 40059, 40060, 40061, 40062},
    {ExportKind::Sfp, 40063, 40064, 40065, 40066},
    {ExportKind::Nav, 40067, 40068, 40069, 40070},
};

class WriterFrame : public ExportTest {
protected:
    bool Write(ExportKind kind, PathText& path, PathText& name)
    {
        return FindExportFormat(static_cast<int>(kind))->writer(context, path, name);
    }
};

TEST_F(WriterFrame, WithoutAPathTheNoNameMessage)
{
    for (const FrameTexts& t : kFrameTexts) {
        SCOPED_TRACE(static_cast<int>(t.kind));
        user.shown.clear();
        PathText path;
        PathText name;
        EXPECT_FALSE(Write(t.kind, path, name));
        ASSERT_EQ(ShownIds(user), std::vector<int>{t.noName});
        EXPECT_EQ(user.shown[0].icon, MessageIcon::Stop);
        EXPECT_EQ(user.shown[0].buttons, MessageButtons::Ok);
    }
    EXPECT_EQ(state.route.RouteUnsaved, 1);
}

TEST_F(WriterFrame, AsksBeforeOverwritingAndNoLeavesTheFile)
{
    for (const FrameTexts& t : kFrameTexts) {
        SCOPED_TRACE(static_cast<int>(t.kind));
        const std::string extension(PlanExtension(static_cast<int>(t.kind)));
        WriteBytes(In("trip" + extension), "earlier plan");
        user.shown.clear();
        user.QueueAnswer(Answer::No);
        PathText path(In("trip.txt"));
        PathText name("trip.txt");
        EXPECT_FALSE(Write(t.kind, path, name));
        ASSERT_EQ(ShownIds(user), std::vector<int>{t.exists});
        EXPECT_EQ(user.shown[0].insert, "trip" + extension);
        EXPECT_EQ(user.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(user.shown[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(ReadBytes(In("trip" + extension)), "earlier plan");
        EXPECT_EQ(state.route.RouteUnsaved, 1);

        user.shown.clear();
        user.QueueAnswer(Answer::Yes);
        EXPECT_TRUE(Write(t.kind, path, name));
        EXPECT_EQ(ShownIds(user), std::vector<int>{t.exists});
        EXPECT_NE(ReadBytes(In("trip" + extension)), "earlier plan");
        EXPECT_EQ(state.route.RouteUnsaved, 0);
        state.route.RouteUnsaved = 1;
    }
    EXPECT_TRUE(user.AllAnswersUsed());
}

TEST_F(WriterFrame, OverwriteOnReplacesWithoutAsking)
{
    state.settings.Startup.Overwrite = 1;
    WriteBytes(In("trip.sbp"), "earlier plan");
    PathText path(In("trip.sbp"));
    PathText name("trip.sbp");
    EXPECT_TRUE(Write(ExportKind::SquawkBox, path, name));
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(ReadBytes(In("trip.sbp")).substr(0, 12), "LSZH:LSGG:0\r");
    EXPECT_EQ(FilesIn(), std::vector<std::string>{"trip.sbp"});
}

TEST_F(WriterFrame, AFolderThatCannotHoldThePlanGivesTheCreateFailedMessage)
{
    for (const FrameTexts& t : kFrameTexts) {
        SCOPED_TRACE(static_cast<int>(t.kind));
        user.shown.clear();
        PathText path(In("missing/trip.x"));
        PathText name("trip.x");
        EXPECT_FALSE(Write(t.kind, path, name));
        ASSERT_EQ(ShownIds(user), std::vector<int>{t.createFailed});
        EXPECT_EQ(user.shown[0].insert,
                  "trip" + std::string(PlanExtension(static_cast<int>(t.kind))));
        EXPECT_EQ(user.shown[0].icon, MessageIcon::Exclamation);
    }
    EXPECT_TRUE(FilesIn().empty());
    EXPECT_EQ(state.route.RouteUnsaved, 1);
}

TEST_F(WriterFrame, ExtensionIsNeverLookedForInAFolder)
{
    std::filesystem::create_directories(folder / "fs.2002");
    PathText path(In("fs.2002/mytrip"));
    PathText name("mytrip");
    EXPECT_TRUE(Write(ExportKind::Msfs, path, name));
    EXPECT_EQ(path, In("fs.2002/mytrip"));
    EXPECT_EQ(name, "mytrip");
    EXPECT_EQ(FilesIn("fs.2002"), std::vector<std::string>{"mytrip"});
    EXPECT_EQ(FilesIn(), std::vector<std::string>{"fs.2002"});

    path = In("fs.2002/mytrip.txt");
    name = "mytrip.txt";
    EXPECT_TRUE(Write(ExportKind::AcsGps, path, name));
    EXPECT_EQ(path, In("fs.2002/mytrip.prg"));
    EXPECT_EQ(name, "mytrip.prg");
}

TEST_F(WriterFrame, TheTemporaryFileTakesAFreeName)
{
    const std::string taken = std::string(kTemporaryPrefix) + "0.tmp";
    WriteBytes(In(taken), "someone else's");
    PathText path(In("trip.apl"));
    PathText name("trip.apl");
    EXPECT_TRUE(Write(ExportKind::RadarContact, path, name));
    EXPECT_EQ(FilesIn(), (std::vector<std::string>{"trip.apl", taken}));
    EXPECT_EQ(ReadBytes(In(taken)), "someone else's");
}

// A write that fails part-way: the earlier plan stays, no temporary file is
// left, the write-error message is shown and the result is false.
TEST_F(WriterFrame, AWriteErrorLeavesTheEarlierPlan)
{
    struct Case {
        const char* label;
        ExportKind kind;
        std::uint32_t leg;
        std::size_t bytesBeforeEnd;  // the sink fails this many bytes before the plan's end
        std::vector<int> messages;
    };
    const Case cases[] = {
        // The header's error is told, then the first waypoint's test tells it again.
        {"MS FS header", ExportKind::Msfs, test::kLongLeg, std::string::npos, {40050, 40050}},
        {"MS FS last waypoint", ExportKind::Msfs, test::kLongLeg, 3, {40050}},
        {"ACS-GPS first block", ExportKind::AcsGps, test::kLongLeg, std::string::npos, {40054}},
        {"ACS-GPS last block", ExportKind::AcsGps, test::kLongLeg, 1, {40054}},
        {"SquawkBox header", ExportKind::SquawkBox, test::kLongLeg, std::string::npos, {40058}},
        {"SquawkBox last line", ExportKind::SquawkBox, test::kLongLeg, 2, {40058}},
        {"Radar Contact header",
         ExportKind::RadarContact,
         test::kLongLeg,
         std::string::npos,
         {40062, 40062}},
        {"Radar Contact last checkpoint", ExportKind::RadarContact, test::kLongLeg, 10, {40062}},
        // "RETURN" comes after the last test of the format; the frame's
        // close catches it.
        {"Radar Contact RETURN", ExportKind::RadarContact, test::kLongLeg, 3, {40062}},
        // Without checkpoints the header's error is told, and the frame's
        // close tells it again: the plan is not reported written.
        {"Radar Contact header of two points",
         ExportKind::RadarContact,
         test::kTwoPointLeg,
         std::string::npos,
         {40062, 40062}},
        {"Super Flight Planner header",
         ExportKind::Sfp,
         test::kLongLeg,
         std::string::npos,
         {40066}},
        {"Super Flight Planner last record", ExportKind::Sfp, test::kLongLeg, 100, {40066}},
        {"Nav header", ExportKind::Nav, test::kLongLeg, std::string::npos, {40070}},
        {"Nav last block", ExportKind::Nav, test::kLongLeg, 1, {40070}},
    };
    state.settings.Startup.Overwrite = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        state.route.currentLeg = c.leg;
        state.route.RouteUnsaved = 1;
        MemorySink whole;
        ASSERT_TRUE(ContentOf(c.kind)(context, whole, "x"));
        const std::size_t limit =
            c.bytesBeforeEnd == std::string::npos ? 5 : whole.bytes.size() - c.bytesBeforeEnd;

        const std::string fileName = "trip" + std::string(PlanExtension(static_cast<int>(c.kind)));
        WriteBytes(In(fileName), "earlier plan");
        user.shown.clear();
        PathText path(In(fileName));
        PathText name(fileName);
        EXPECT_FALSE(WritePlanFile(context, path, name, c.kind, ContentOf(c.kind), limit));
        EXPECT_EQ(ShownIds(user), c.messages);
        for (const test::ShownMessage& m : user.shown) {
            EXPECT_EQ(m.insert, fileName);
            EXPECT_EQ(m.icon, MessageIcon::Stop);
        }
        EXPECT_EQ(ReadBytes(In(fileName)), "earlier plan");
        EXPECT_EQ(FilesIn(), std::vector<std::string>{fileName});
        EXPECT_EQ(state.route.RouteUnsaved, 1);
        std::filesystem::remove(In(fileName));
    }
}

TEST_F(WriterFrame, AFailedReplacementLeavesTheEarlierPlan)
{
    state.settings.Startup.Overwrite = 1;
    system.renameFails = true;
    WriteBytes(In("trip.pln"), "earlier plan");
    PathText path(In("trip.pln"));
    PathText name("trip.pln");
    EXPECT_FALSE(Write(ExportKind::Nav, path, name));
    EXPECT_EQ(ShownIds(user), std::vector<int>{40069});
    EXPECT_EQ(ReadBytes(In("trip.pln")), "earlier plan");
    EXPECT_EQ(FilesIn(), std::vector<std::string>{"trip.pln"});
    EXPECT_EQ(state.route.RouteUnsaved, 1);
}

TEST_F(WriterFrame, AFullDiskGivesTheWriteError)
{
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    struct Case {
        ExportKind kind;
        std::vector<int> messages;
    };
    const Case cases[] = {
        {ExportKind::Msfs, {40050, 40050}}, {ExportKind::AcsGps, {40054}},
        {ExportKind::SquawkBox, {40058}},   {ExportKind::RadarContact, {40062, 40062}},
        {ExportKind::Sfp, {40066}},         {ExportKind::Nav, {40070}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        user.shown.clear();
        FileSink sink;
        ASSERT_TRUE(sink.Create("/dev/full"));
        EXPECT_FALSE(ContentOf(c.kind)(context, sink, "full") && sink.Close());
        EXPECT_TRUE(sink.Failed());
        EXPECT_EQ(ShownIds(user), c.messages);
    }
}

TEST_F(WriterFrame, SuccessLeavesOnlyThePlanAndClearsUnsaved)
{
    for (const test::FixturePlan& plan : kFixturePlans) {
        SCOPED_TRACE(plan.fileName);
        state.route.RouteUnsaved = 1;
        PathText path(In(plan.fileName));
        PathText name(plan.fileName);
        EXPECT_TRUE(Write(plan.kind, path, name));
        EXPECT_EQ(state.route.RouteUnsaved, 0);
        EXPECT_EQ(FilesIn(), std::vector<std::string>{plan.fileName});
        std::filesystem::remove(In(plan.fileName));
    }
    EXPECT_TRUE(user.shown.empty());
}

}  // namespace
}  // namespace rw
