// The reader of the exported text plan: header, sections, point lines, the
// checks and messages, the open dialog, the sample plans and bad bytes.
#include "route/plan_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "fakes/fake_main_window.h"
#include "fakes/fake_platform.h"
#include "fakes/scripted_file_dialogs.h"
#include "fakes/scripted_user.h"
#include "resources/resource.h"

namespace rw {
namespace {

using test::FakeMainWindow;
using test::ScriptedFileDialogs;
using test::ScriptedUser;

constexpr const char* kHeader = "# FliteStar/FliteMap generated flight plan.";
constexpr const char* kChecking = "Checking FliteStar/FliteMap Flightplan";
constexpr const char* kLszh = "FWP 0 A LSZH N 47 27.48 E 008 32.93 1416";
constexpr const char* kWil = "FWP 0 V WIL N 47 10.72 E 007 54.27 9000";
constexpr const char* kFri = "FWP 0 V FRI N 46 46.60 E 007 13.40 8000";
constexpr const char* kLsgg = "FWP 0 A LSGG N 46 14.28 E 006 06.54 1411";
constexpr const char* kLfsb = "FWP 0 A LFSB N 47 35.98 E 007 31.77 885";

// The header and the lines, each ended by lineEnd except the last when
// lastLineEnd is false.
std::string Plan(const std::vector<std::string>& lines, const std::string& lineEnd = "\n",
                 bool lastLineEnd = true)
{
    std::string text = std::string(kHeader) + lineEnd;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (i + 1 < lines.size() || lastLineEnd) {
            text += lineEnd;
        }
    }
    return text;
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class PlanReader : public testing::Test {
protected:
    void SetUp() override
    {
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        path_ =
            testing::TempDir() + "rw_plan_" + info->test_suite_name() + "_" + info->name() + ".txt";
        state.appName = "Routewright";
    }
    void TearDown() override { std::remove(path_.c_str()); }

    // Makes bytes the source plan "plan.txt".
    void UsePlan(const std::string& bytes)
    {
        std::FILE* out = std::fopen(path_.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), out), bytes.size());
        ASSERT_EQ(std::fclose(out), 0);
        state.sourcePath = path_;
        state.sourceTitle = "plan.txt";
    }

    // What Build does with the reader: the scan, then every leg's points
    // over one file, stopping at the first failure. The failing leg, if any.
    std::optional<std::uint32_t> ReadPlan(bool& scanned)
    {
        scanned = ScanLegs(context);
        if (!scanned) {
            return std::nullopt;
        }
        PlanFile file;
        if (!OpenSourceFile(context, file)) {
            return 0u;
        }
        for (std::uint32_t leg = 0; leg < state.route.legCount; ++leg) {
            if (!ReadLegPoints(context, file, leg)) {
                return leg;
            }
        }
        return std::nullopt;
    }

    // The whole plan read without a failure.
    bool ReadsCompletely()
    {
        bool scanned = false;
        return !ReadPlan(scanned).has_value() && scanned;
    }

    std::vector<int> MessageIds() const
    {
        std::vector<int> ids;
        for (const auto& shown : user.shown) {
            ids.push_back(shown.textId);
        }
        return ids;
    }

    const LegInfo& Info(std::uint32_t leg) const { return state.route.legInfo[leg]; }
    const RoutePoint& Point(std::uint32_t leg, std::uint32_t index) const
    {
        return state.route.legs[leg].points[index];
    }
    std::vector<std::string> Idents(std::uint32_t leg) const
    {
        std::vector<std::string> idents;
        for (std::uint32_t i = 0; i < std::min(Info(leg).pointCount, kMaxLegPoints); ++i) {
            idents.push_back(Point(leg, i).ident.str());
        }
        return idents;
    }

    AppState state;
    ScriptedUser user;
    FakeMainWindow window;
    ScriptedFileDialogs dialogs;
    test::FakeSystem system;
    Context context{state, user, window, dialogs, system};

private:
    std::string path_;
};

TEST_F(PlanReader, HeaderRules)
{
    const std::string legs = std::string("FPL 1\n") + kLszh + "\n" + kLsgg + "\n";
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<int> messages;
    };
    const Case cases[] = {
        {"exact", std::string(kHeader) + "\n" + legs, {}},
        {"upper case", "# FLITESTAR/FLITEMAP GENERATED FLIGHT PLAN.\n" + legs, {}},
        {"mixed case", "# flitestar/flitemap Generated Flight Plan.\r\n" + legs, {}},
        {"CR LF", Plan({"FPL 1", kLszh, kLsgg}, "\r\n"), {}},
        {"blank before the line end", std::string(kHeader) + " \n" + legs, {IDS_SOURCE_NOT_PLAN}},
        {"blank before the header",
         " " + std::string(kHeader) + "\n" + legs,
         {IDS_SOURCE_NOT_PLAN}},
        {"other text",
         "# FliteStar/FliteMap generated flight plan\n" + legs,
         {IDS_SOURCE_NOT_PLAN}},
        {"blank line first", "\n" + std::string(kHeader) + "\n" + legs, {IDS_SOURCE_NOT_PLAN}},
        {"empty file", "", {IDS_SOURCE_NOT_PLAN}},
        {"header only, no line end", kHeader, {IDS_SOURCE_NOT_PLAN}},
        {"header only", std::string(kHeader) + "\n", {IDS_NO_LEGS}},
        {"no section line", Plan({kLszh, kLsgg, "FPX 1"}), {IDS_NO_LEGS}},
        {"zero byte inside",
         std::string(kHeader).replace(2, 1, 1, '\0') + "\n" + legs,
         {IDS_SOURCE_NOT_PLAN}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        user.shown.clear();
        state.route.Reset();
        UsePlan(c.bytes);
        EXPECT_EQ(ScanLegs(context), c.messages.empty());
        EXPECT_EQ(MessageIds(), c.messages);
        for (const auto& shown : user.shown) {
            EXPECT_EQ(shown.icon, MessageIcon::Stop);
            EXPECT_EQ(shown.insert, "plan.txt");
        }
        if (c.messages.empty()) {
            EXPECT_EQ(state.route.legCount, 1u);
        }
    }
}

TEST_F(PlanReader, ScanPutsTheMainWindowBackOnEveryWayOut)
{
    struct Case {
        const char* what;
        std::string sourcePath;  // "" none, "plan" the fixture, else as given
        std::string bytes;
        std::vector<int> messages;
        bool opens;
    };
    const std::string good = Plan({"FPL 1", kLszh, kLsgg});
    const Case cases[] = {
        {"no source name", "", good, {IDS_NO_SOURCE_NAME}, false},
        {"missing file",
         testing::TempDir() + "rw_no_such_plan.txt",
         good,
         {IDS_SOURCE_OPEN_FAILED},
         false},
        // A folder opens for reading but every read of it fails.
        {"read error", testing::TempDir(), good, {IDS_SOURCE_READ_ERROR}, true},
        {"not a plan", "plan", "garbage\n", {IDS_SOURCE_NOT_PLAN}, true},
        {"no legs", "plan", Plan({kLszh}), {IDS_NO_LEGS}, true},
        {"success", "plan", good, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        user.shown.clear();
        UsePlan(c.bytes);
        if (c.sourcePath != "plan") {
            state.sourcePath = c.sourcePath;
        }
        window.statusText = "Building";
        window.statusHistory.clear();
        window.waitCursor = true;
        window.busy = true;

        EXPECT_EQ(ScanLegs(context), c.messages.empty());

        EXPECT_EQ(MessageIds(), c.messages);
        EXPECT_EQ(window.statusText, "");
        EXPECT_FALSE(window.waitCursor);
        EXPECT_FALSE(window.busy);
        const std::vector<std::string> expectedStatus =
            c.opens ? std::vector<std::string>{kChecking, ""} : std::vector<std::string>{""};
        EXPECT_EQ(window.statusHistory, expectedStatus);
    }
}

TEST_F(PlanReader, SixthSectionIsDropped)
{
    std::vector<std::string> lines;
    for (int leg = 1; leg <= 6; ++leg) {
        lines.push_back("FPL " + std::to_string(leg * 10));
        lines.push_back(kLszh);
        lines.push_back(leg == 6 ? kWil : kLsgg);
        lines.push_back(kLfsb);
    }
    UsePlan(Plan(lines));

    EXPECT_TRUE(ReadsCompletely());

    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].textId, IDS_TOO_MANY_LEGS);
    EXPECT_EQ(user.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(user.shown[0].insert, "plan.txt");
    ASSERT_EQ(state.route.legCount, 5u);
    for (std::uint32_t leg = 0; leg < 5; ++leg) {
        SCOPED_TRACE(leg);
        EXPECT_EQ(Info(leg).legNumber, static_cast<std::int32_t>((leg + 1) * 10));
        EXPECT_EQ(Idents(leg), (std::vector<std::string>{"LSZH", "LSGG", "LFSB"}));
    }
    EXPECT_EQ(state.route.currentLeg, 0u);
}

TEST_F(PlanReader, SectionLinePattern)
{
    struct Case {
        const char* line;
        std::optional<std::int32_t> number;
    };
    const Case cases[] = {
        {"FPL 3\n", 3},
        {"FPL3", 3},
        {"FPL  3", 3},
        {"FPL\t 12\r\n", 12},
        {"FPL-1", -1},
        {"FPL +7", 7},
        {"FPL 4 legs", 4},
        {"FPL 5x", 5},
        {"FPL 007", 7},
        {"FPL -2147483648", INT32_MIN},
        {"FPL 2147483647", INT32_MAX},
        {"FPL 2147483648", std::nullopt},
        {"FPL 99999999999999999999", std::nullopt},
        {"FPL", std::nullopt},
        {"FPL \n", std::nullopt},
        {"FPL x1", std::nullopt},
        {"FPL -", std::nullopt},
        {"fpl 1", std::nullopt},
        {" FPL 1", std::nullopt},
        {"FP 1", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        std::int32_t number = -99;
        EXPECT_EQ(ParseSectionLine(c.line, number), c.number.has_value());
        if (c.number) {
            EXPECT_EQ(number, *c.number);
        }
    }
}

TEST_F(PlanReader, PointLinePatterns)
{
    struct Case {
        const char* line;
        char type;
        const char* ident;
        char latHemisphere;
        int latDegrees;
        double latMinutes;
        char lonHemisphere;
        int lonDegrees;
        double lonMinutes;
        double altitude;
    };
    const Case cases[] = {
        {"FWP 0 A LSZH N 47 27.48 E 008 32.93 1416\n", 'A', "LSZH", 'N', 47, 27.48, 'E', 8, 32.93,
         1416.0},
        {"FWP 0 V WIL N 47 10.72 E 007 54.27", 'V', "WIL", 'N', 47, 10.72, 'E', 7, 54.27, 0.0},
        {"FWP 0 V WIL N 47 10.72 E 007 54.27 FL90", 'V', "WIL", 'N', 47, 10.72, 'E', 7, 54.27, 0.0},
        {"FWP 0 V WIL N 47 10.72 E 007 54.27 inf", 'V', "WIL", 'N', 47, 10.72, 'E', 7, 54.27, 0.0},
        {"FWP 0 N ZUG N 47 10.2 E 8 31 8.5e3 more", 'N', "ZUG", 'N', 47, 10.2, 'E', 8, 31.0,
         8500.0},
        {"FWP\t1\tv\tspr\ts\t-46\t+28.3\tw\t6\t.5\t-1.5\r\n", 'V', "spr", 's', -46, 28.3, 'w', 6,
         0.5, -1.5},
        {"FWP 0 s ELMOS N 46 53.8 E 8 38.4 10000", 'I', "ELMOS", 'N', 46, 53.8, 'E', 8, 38.4,
         10000.0},
        {"FWP 0 ? X N 1 0 E 1 0", 'I', "X", 'N', 1, 0.0, 'E', 1, 0.0, 0.0},
        {"FWP 0 a lszh N 47 27.48 E 8 32.93 1416", 'A', "lszh", 'N', 47, 27.48, 'E', 8, 32.93,
         1416.0},
        {"FWP 0 U ODD1 N 1 0 E 1 0 5.", 'U', "ODD1", 'N', 1, 0.0, 'E', 1, 0.0, 5.0},
        // The token is cut to the store's five characters and wholly consumed.
        {"FWP 0 I LONGNAME N 46 1 E 7 2 3000", 'I', "LONGN", 'N', 46, 1.0, 'E', 7, 2.0, 3000.0},
        // The blank before a one-character field only skips blanks, so the
        // two leading fields may touch the keyword.
        {"FWP0V TRA N 47 41.4 E 8 26.2", 'V', "TRA", 'N', 47, 41.4, 'E', 8, 26.2, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        SourcePoint point;
        ASSERT_TRUE(ParsePointLine(c.line, point));
        EXPECT_EQ(point.type, c.type);
        EXPECT_EQ(point.ident, c.ident);
        EXPECT_EQ(point.latHemisphere, c.latHemisphere);
        EXPECT_EQ(point.latDegrees, c.latDegrees);
        EXPECT_DOUBLE_EQ(point.latMinutes, c.latMinutes);
        EXPECT_EQ(point.lonHemisphere, c.lonHemisphere);
        EXPECT_EQ(point.lonDegrees, c.lonDegrees);
        EXPECT_DOUBLE_EQ(point.lonMinutes, c.lonMinutes);
        EXPECT_DOUBLE_EQ(point.altitude, c.altitude);
    }
    const char* const rejected[] = {
        "FWP 0 V WIL N 47 10.72 E 007",
        "FWP 0 V WIL N 47 10.72 E x 54.27",
        "FWP 0 V WIL N 47 nan E 7 54.27",
        "FWP 0 V WIL N 47 1e999 E 7 54.27",
        "FWP 0 V WIL N 99999999999 1 E 7 54.27",
        "FWP 0 V",
        "FWP",
        "fwp 0 V WIL N 47 10.72 E 7 54.27",
        " FWP 0 V WIL N 47 10.72 E 7 54.27",
        "FPL 1",
    };
    for (const char* line : rejected) {
        SCOPED_TRACE(line);
        SourcePoint point;
        EXPECT_FALSE(ParsePointLine(line, point));
    }
}

TEST_F(PlanReader, PointPassStoresTheSourceNotationAndPositions)
{
    UsePlan(Plan({"# a comment", "FPL 1", "", kLszh, "FWP 0 v wil s 47 30.0 w 007 30.0 9000",
                  "FWP 0 A MID N 46 0.0 E 7 0.0", "FWP 0 s LONGNAME S 46 30.0 W 7 30.0",
                  "ZZZ ignored", kLsgg}));

    ASSERT_TRUE(ReadsCompletely());

    EXPECT_TRUE(user.shown.empty());
    ASSERT_EQ(Info(0).pointCount, 5u);
    const RoutePoint& lszh = Point(0, 0);
    EXPECT_EQ(lszh.type, 'A');
    EXPECT_EQ(lszh.ident, "LSZH");
    EXPECT_EQ(lszh.name, "");
    EXPECT_EQ(lszh.latHemisphere, 'N');
    EXPECT_EQ(lszh.latDegrees, 47);
    EXPECT_EQ(lszh.latMinutes, 27.48);
    EXPECT_EQ(lszh.lonHemisphere, 'E');
    EXPECT_EQ(lszh.lonDegrees, 8);
    EXPECT_EQ(lszh.lonMinutes, 32.93);
    EXPECT_DOUBLE_EQ(lszh.latitude, 47.458);
    EXPECT_DOUBLE_EQ(lszh.longitude, 8.0 + 32.93 / 60.0);
    EXPECT_EQ(lszh.altitude, 1416.0);
    EXPECT_EQ(lszh.track, 0.0);
    EXPECT_EQ(lszh.frequency, 0.0);

    // Lower-case hemispheres are kept as written and give north and east.
    const RoutePoint& wil = Point(0, 1);
    EXPECT_EQ(wil.type, 'V');
    EXPECT_EQ(wil.ident, "wil");
    EXPECT_EQ(wil.name, "wil");
    EXPECT_EQ(wil.latHemisphere, 's');
    EXPECT_EQ(wil.lonHemisphere, 'w');
    EXPECT_DOUBLE_EQ(wil.latitude, 47.5);
    EXPECT_DOUBLE_EQ(wil.longitude, 7.5);

    EXPECT_EQ(Point(0, 2).type, 'A');
    EXPECT_EQ(Point(0, 2).name, "");  // an airport inside the leg
    EXPECT_EQ(Point(0, 2).altitude, 0.0);

    const RoutePoint& cut = Point(0, 3);
    EXPECT_EQ(cut.type, 'I');
    EXPECT_EQ(cut.ident, "LONGN");
    EXPECT_EQ(cut.name, "LONGN");
    EXPECT_DOUBLE_EQ(cut.latitude, -46.5);
    EXPECT_DOUBLE_EQ(cut.longitude, -7.5);
    EXPECT_EQ(Point(0, 4).ident, "LSGG");
}

TEST_F(PlanReader, ThirtyThirdPointEndsTheLegWithAWarning)
{
    std::vector<std::string> lines = {"FPL 1", kLszh};
    for (int i = 2; i <= 31; ++i) {
        lines.push_back("FWP 0 V P" + std::to_string(i) + " N 47 0 E 8 0 5000");
    }
    lines.push_back(kLsgg);  // the 32nd
    lines.push_back(kLfsb);  // the 33rd
    lines.push_back("FPL 2");
    lines.push_back(kLsgg);
    lines.push_back(kLfsb);
    UsePlan(Plan(lines));

    EXPECT_TRUE(ReadsCompletely());

    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].textId, IDS_TOO_MANY_POINTS);
    EXPECT_EQ(user.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(user.shown[0].text,
              "Maximum Nbr. of MS FS Waypoint's reached in FliteStar/FliteMap Flightplan file "
              "plan.txt\"");
    EXPECT_EQ(Info(0).pointCount, 32u);
    EXPECT_EQ(Point(0, 31).ident, "LSGG");
    EXPECT_EQ(Idents(1), (std::vector<std::string>{"LSGG", "LFSB"}));
}

TEST_F(PlanReader, LegChecks)
{
    struct Case {
        const char* what;
        std::vector<std::string> points;
        std::optional<int> message;
    };
    const Case cases[] = {
        {"no point", {"# nothing here"}, IDS_NO_POINTS},
        {"only unreadable points", {"FWP 0 A LSZH N 47"}, IDS_NO_POINTS},
        {"one point", {kLszh}, IDS_ONE_POINT},
        {"first not an airport", {kWil, kLsgg}, IDS_ENDS_NOT_AIRPORTS},
        {"last not an airport", {kLszh, kWil}, IDS_ENDS_NOT_AIRPORTS},
        {"lower-case airports",
         {"FWP 0 a LSZH N 47 27.48 E 8 32.93", kWil, "FWP 0 a LSGG N 46 14.28 E 6 6.54"},
         std::nullopt},
        {"two airports", {kLszh, kLsgg}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        user.shown.clear();
        state.route.Reset();
        std::vector<std::string> lines = {"FPL 1"};
        lines.insert(lines.end(), c.points.begin(), c.points.end());
        UsePlan(Plan(lines));

        bool scanned = false;
        const std::optional<std::uint32_t> failed = ReadPlan(scanned);

        ASSERT_TRUE(scanned);
        EXPECT_EQ(failed.has_value(), c.message.has_value());
        EXPECT_EQ(MessageIds(), c.message ? std::vector<int>{*c.message} : std::vector<int>{});
        for (const auto& shown : user.shown) {
            EXPECT_EQ(shown.icon, MessageIcon::Stop);
            EXPECT_EQ(shown.insert, "plan.txt");
        }
    }
}

TEST_F(PlanReader, LineEndsAreAlikeAndTheLastLineCounts)
{
    const std::vector<std::string> lines = {"FPL 1", kLszh, kWil, kLsgg,
                                            "FPL 2", kLsgg, kFri, kLfsb};
    struct Case {
        const char* what;
        std::string lineEnd;
        bool lastLineEnd;
    };
    const Case cases[] = {
        {"LF", "\n", true},
        {"CR LF", "\r\n", true},
        {"LF, last line without", "\n", false},
        {"CR LF, last line without", "\r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        user.shown.clear();
        state.route.Reset();
        UsePlan(Plan(lines, c.lineEnd, c.lastLineEnd));

        EXPECT_TRUE(ReadsCompletely());

        EXPECT_TRUE(user.shown.empty());
        ASSERT_EQ(state.route.legCount, 2u);
        EXPECT_EQ(Idents(0), (std::vector<std::string>{"LSZH", "WIL", "LSGG"}));
        EXPECT_EQ(Idents(1), (std::vector<std::string>{"LSGG", "FRI", "LFSB"}));
        EXPECT_EQ(Point(1, 2).altitude, 885.0);
        // The leg's points start just after its section line.
        EXPECT_EQ(Info(1).filePos,
                  static_cast<std::int32_t>(std::strlen(kHeader) + 5 + std::strlen(kLszh) +
                                            std::strlen(kWil) + std::strlen(kLsgg) + 5 +
                                            6 * c.lineEnd.size()));
    }
}

TEST_F(PlanReader, SectionsWithTheSameNumberReadOnThroughEachOther)
{
    UsePlan(Plan({"FPL 1", kLszh, kLsgg, "FPL 1", kLsgg, kLfsb, "FPL 2", kLfsb, kLszh}));

    EXPECT_TRUE(ReadsCompletely());

    ASSERT_EQ(state.route.legCount, 3u);
    EXPECT_EQ(Idents(0), (std::vector<std::string>{"LSZH", "LSGG", "LSGG", "LFSB"}));
    EXPECT_EQ(Idents(1), (std::vector<std::string>{"LSGG", "LFSB"}));
    EXPECT_EQ(Idents(2), (std::vector<std::string>{"LFSB", "LSZH"}));
}

TEST_F(PlanReader, FailureInTheThirdOfFourLegsKeepsTheFirstTwo)
{
    UsePlan(Plan({"FPL 1", kLszh, kWil, kLsgg, "FPL 2", kLsgg, kLfsb, "FPL 3", kLfsb, kFri, "FPL 4",
                  kLfsb, kLszh}));

    bool scanned = false;
    EXPECT_EQ(ReadPlan(scanned), std::optional<std::uint32_t>(2));

    EXPECT_TRUE(scanned);
    EXPECT_EQ(MessageIds(), std::vector<int>{IDS_ENDS_NOT_AIRPORTS});
    EXPECT_EQ(state.route.legCount, 4u);
    EXPECT_EQ(Idents(0), (std::vector<std::string>{"LSZH", "WIL", "LSGG"}));
    EXPECT_EQ(Idents(1), (std::vector<std::string>{"LSGG", "LFSB"}));
    EXPECT_EQ(Idents(2), (std::vector<std::string>{"LFSB", "FRI"}));
    EXPECT_EQ(Info(3).pointCount, 0u);
}

TEST_F(PlanReader, LongLinesAreExaminedInPiecesOf256)
{
    const std::string filler(256, 'x');
    UsePlan(Plan({"FPL 1", kLszh,
                  // The second piece of this line is a point line of its own.
                  filler + kWil,
                  // One piece of 255 characters and its CR LF: still one line.
                  std::string(255, '#') + "\r",
                  // A huge token: neither piece is a whole point line.
                  "FWP 0 V " + std::string(600, 'Q') + " N 47 0 E 8 0", kLsgg}));

    EXPECT_TRUE(ReadsCompletely());

    EXPECT_EQ(Idents(0), (std::vector<std::string>{"LSZH", "WIL", "LSGG"}));
}

TEST_F(PlanReader, PointPassNeedsAnOpenFile)
{
    UsePlan(Plan({"FPL 1", kLszh, kLsgg}));
    ASSERT_TRUE(ScanLegs(context));
    PlanFile closed;

    EXPECT_FALSE(ReadLegPoints(context, closed, 0));
    EXPECT_EQ(MessageIds(), std::vector<int>{IDS_SOURCE_OPEN_FAILED});

    // A leg the scan did not find is refused without reading.
    user.shown.clear();
    PlanFile file;
    ASSERT_TRUE(OpenSourceFile(context, file));
    EXPECT_FALSE(ReadLegPoints(context, file, 1));
    EXPECT_FALSE(ReadLegPoints(context, file, 7));
    EXPECT_TRUE(user.shown.empty());
    EXPECT_TRUE(ReadLegPoints(context, file, 0));
}

TEST_F(PlanReader, SamplePlansRead)
{
    struct Case {
        const char* file;
        std::vector<std::vector<std::string>> legs;
    };
    const Case cases[] = {
        {"zurich-geneva.txt", {{"LSZH", "WIL", "FRI", "SPR", "GVA", "LSGG"}}},
        {"geneva-basel.txt", {{"LSGG", "SPR", "FRI", "HOC", "BSL", "LFSB"}}},
        {"zurich-lugano.txt", {{"LSZH", "KLO", "ZUG", "ELMOS", "GOTAR", "MOLIN", "LUG", "LSZA"}}},
        {"swiss-tour.txt",
         {{"LSZH", "WIL", "LSZB"},
          {"LSZB", "FRU", "LSGS"},
          {"LSGS", "SPR", "GVA", "LSGG"},
          {"LSGG", "FRI", "HOC", "LFSB"},
          {"LFSB", "HOC", "TRA", "LSZH"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        user.shown.clear();
        state.route.Reset();
        UsePlan(ReadFileBytes(std::string(RW_SAMPLES_DIR) + "/" + c.file));

        EXPECT_TRUE(ReadsCompletely());

        EXPECT_TRUE(user.shown.empty());
        ASSERT_EQ(state.route.legCount, c.legs.size());
        for (std::uint32_t leg = 0; leg < c.legs.size(); ++leg) {
            EXPECT_EQ(Info(leg).legNumber, static_cast<std::int32_t>(leg + 1));
            EXPECT_EQ(Idents(leg), c.legs[leg]);
        }
    }

    // The last sample read was the tour; its positions are Swiss ones.
    const RoutePoint& lszh = Point(0, 0);
    EXPECT_DOUBLE_EQ(lszh.latitude, 47.458);
    EXPECT_NEAR(lszh.longitude, 8.54883, 1e-5);
    const RoutePoint& lfsb = Point(3, 3);
    EXPECT_NEAR(lfsb.latitude, 47.59967, 1e-5);
    EXPECT_NEAR(lfsb.longitude, 7.5295, 1e-5);
    EXPECT_EQ(lfsb.altitude, 885.0);
}

TEST_F(PlanReader, SampleWithIntersectionsAndBeacons)
{
    UsePlan(ReadFileBytes(std::string(RW_SAMPLES_DIR) + "/zurich-lugano.txt"));
    ASSERT_TRUE(ReadsCompletely());
    std::string types;
    for (std::uint32_t i = 0; i < Info(0).pointCount; ++i) {
        types += Point(0, i).type;
    }
    EXPECT_EQ(types, "AVNIIINA");
    EXPECT_EQ(Point(0, 3).name, "ELMOS");
    EXPECT_EQ(Point(0, 7).name, "");
}

// Random, cut and damaged plans: the reader answers with its messages only,
// never reads or writes outside its buffers (the native build runs under
// the sanitizers), and what it accepts keeps the store's invariants.
TEST_F(PlanReader, BadBytesOnlyEverGiveMessages)
{
    const std::string sample = ReadFileBytes(std::string(RW_SAMPLES_DIR) + "/swiss-tour.txt");
    ASSERT_FALSE(sample.empty());
    const std::string pieces[] = {"FPL ",
                                  "FWP ",
                                  "A ",
                                  "V ",
                                  "N ",
                                  "E ",
                                  "W ",
                                  "S ",
                                  "-",
                                  "1",
                                  "27.48 ",
                                  "\r\n",
                                  "\n",
                                  "\r",
                                  " ",
                                  "\t",
                                  std::string(1, '\0'),
                                  "1e308 ",
                                  "99999999999 ",
                                  kHeader};
    std::mt19937 random(20240611);
    const auto below = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };

    for (int iteration = 0; iteration < 2000; ++iteration) {
        std::string bytes;
        switch (iteration % 4) {
            case 0:  // cut
                bytes = sample.substr(0, below(sample.size() + 1));
                break;
            case 1:  // damaged
                bytes = sample;
                for (int n = 0; n < 8; ++n) {
                    bytes[below(bytes.size())] = static_cast<char>(random());
                }
                break;
            case 2:  // tokens of the format in any order, after a good header
                bytes = std::string(kHeader) + "\n";
                for (std::size_t n = below(400); n > 0; --n) {
                    bytes += pieces[below(std::size(pieces))];
                }
                break;
            default:  // random bytes, some very long lines
                for (std::size_t n = below(1200); n > 0; --n) {
                    bytes += static_cast<char>(below(8) == 0 ? '\n' : random());
                }
                break;
        }
        SCOPED_TRACE(testing::Message() << "iteration " << iteration);
        user.shown.clear();
        state.route.Reset();
        UsePlan(bytes);

        bool scanned = false;
        const std::optional<std::uint32_t> failed = ReadPlan(scanned);

        const RouteStore& route = state.route;
        ASSERT_LE(route.legCount, kMaxLegs);
        for (const auto& shown : user.shown) {
            ASSERT_GE(shown.textId, IDS_SOURCE_OPEN_FAILED);
            ASSERT_LE(shown.textId, IDS_ENDS_NOT_AIRPORTS);
        }
        // A failure ends with its own stop message, and only a failure.
        std::size_t stops = 0;
        for (const auto& shown : user.shown) {
            stops += shown.icon == MessageIcon::Stop;
        }
        ASSERT_EQ(stops, !scanned || failed ? 1u : 0u);
        if (stops != 0) {
            ASSERT_EQ(user.shown.back().icon, MessageIcon::Stop);
        }
        const std::uint32_t complete = !scanned ? 0 : failed ? *failed : route.legCount;
        for (std::uint32_t leg = 0; leg < complete; ++leg) {
            const LegInfo& info = route.legInfo[leg];
            ASSERT_GE(info.pointCount, 2u);
            ASSERT_LE(info.pointCount, kMaxLegPoints);
            ASSERT_EQ(route.legs[leg].points[0].type, 'A');
            ASSERT_EQ(route.legs[leg].points[info.pointCount - 1].type, 'A');
            for (std::uint32_t i = 0; i < info.pointCount; ++i) {
                const RoutePoint& point = route.legs[leg].points[i];
                ASSERT_LE(point.ident.size(), kIdentLength);
                ASSERT_TRUE(std::isfinite(point.latitude) && std::isfinite(point.longitude));
                ASSERT_TRUE(std::isfinite(point.altitude));
            }
        }
    }
}

// Lines of any bytes, also far longer than a piece, fed to the patterns.
TEST_F(PlanReader, PatternsTakeAnyLine)
{
    std::mt19937 random(7);
    const std::string alphabet = "FPLW AVNIS?ENSW0123456789.+-e\t\r\n";
    for (int iteration = 0; iteration < 20000; ++iteration) {
        std::string line = iteration % 2 ? "FWP" : "FPL";
        for (std::size_t n = random() % 80; n > 0; --n) {
            line +=
                random() % 4 ? alphabet[random() % alphabet.size()] : static_cast<char>(random());
        }
        SourcePoint point;
        if (ParsePointLine(line, point)) {
            ASSERT_LE(point.ident.size(), kIdentLength);
            ASSERT_TRUE(std::isfinite(point.latMinutes) && std::isfinite(point.lonMinutes) &&
                        std::isfinite(point.altitude));
        }
        std::int32_t number = 0;
        static_cast<void>(ParseSectionLine(line, number));
    }
}

TEST_F(PlanReader, OpenDialogAsksForAnExportedPlan)
{
    state.settings.DefSrceDir.Pathname = "C:\\Plans";
    dialogs.QueueCancel();

    EXPECT_FALSE(OpenSourceDialog(context));

    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    const OpenFileRequest& request = dialogs.openRequests[0];
    EXPECT_EQ(request.title, "Open Flight plan file");
    ASSERT_EQ(request.filters.size(), 3u);
    EXPECT_EQ(request.filters[0].description, "Exported FliteStar Flightplan files (*.txt)");
    EXPECT_EQ(request.filters[0].pattern, "*.txt");
    EXPECT_EQ(request.filters[1].description, "FliteStar Flightplan files (*.fcf)");
    EXPECT_EQ(request.filters[1].pattern, "*.fcf");
    EXPECT_EQ(request.filters[2].description, "All files (*.*)");
    EXPECT_EQ(request.filters[2].pattern, "*.*");
    EXPECT_EQ(request.initialFileName, "*.txt");
    EXPECT_EQ(request.initialFolder, "C:\\Plans");
    EXPECT_EQ(request.defaultExtension, "txt");
    EXPECT_TRUE(request.pathMustExist);
    EXPECT_TRUE(request.fileMustExist);
}

TEST_F(PlanReader, OpenDialogCancelChangesNothing)
{
    state.sourcePath = "C:\\Plans\\old.txt";
    state.sourceTitle = "old.txt";
    window.SetCaption("Routewright - old.txt");
    dialogs.QueueCancel();

    EXPECT_FALSE(OpenSourceDialog(context));

    EXPECT_EQ(state.sourcePath, "C:\\Plans\\old.txt");
    EXPECT_EQ(state.sourceTitle, "old.txt");
    EXPECT_EQ(window.Caption(), "Routewright - old.txt");
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(PlanReader, OpenDialogTakesTheChosenFileAndWarnsAboutFcf)
{
    struct Case {
        const char* fileName;
        bool warns;
    };
    const Case cases[] = {
        {"LSZH-LSGG.txt", false}, {"tour.fcf", true}, {"TOUR.FCF", true},   {"tour.Fcf", true},
        {"tour.fcf.txt", false},  {"fcf", false},     {"tour.fcfx", false}, {"tour", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileName);
        user.shown.clear();
        const std::string path = std::string("C:\\Plans\\") + c.fileName;
        dialogs.QueueChoice(path, c.fileName);

        EXPECT_TRUE(OpenSourceDialog(context));

        EXPECT_EQ(state.sourcePath, path);
        EXPECT_EQ(state.sourceTitle, c.fileName);
        EXPECT_EQ(window.Caption(), std::string("Routewright - ") + c.fileName);
        if (c.warns) {
            ASSERT_EQ(user.shown.size(), 1u);
            EXPECT_EQ(user.shown[0].textId, IDS_FCF_NOT_SUPPORTED);
            EXPECT_EQ(user.shown[0].icon, MessageIcon::Exclamation);
        } else {
            EXPECT_TRUE(user.shown.empty());
        }
    }
    EXPECT_TRUE(dialogs.AllAnswersUsed());
}

}  // namespace
}  // namespace rw
