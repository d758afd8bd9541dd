// The routewright program as a user runs it: the sample plans into all six
// formats, the fixture route against the golden plans, files that fail,
// usage errors, and what it says about itself.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "airports/airport_data.h"
#include "common/texts.h"
#include "resources/resource.h"

namespace rw {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::vector<std::string> Lines(const std::string& text, const char* end = "\n")
{
    std::vector<std::string> lines;
    const std::string separator = end;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    return lines;
}

// A text as the program prints it: one paragraph, without the line ends the
// string table puts after it.
std::string Paragraph(std::string text)
{
    while (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    return text;
}

std::string Quote(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

class Cli : public testing::Test {
protected:
    void SetUp() override
    {
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        // The process number keeps two builds' runs of the same test apart.
        folder = fs::path(testing::TempDir()) /
                 (std::string("rw_cli_") + info->name() + "_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder / "config");
    }
    void TearDown() override
    {
        if (!HasFailure()) {
            fs::remove_all(folder);
        }
    }

    // Runs the program in the test's folder, with a fixed date for the
    // Radar Contact plan and no configuration of the user's.
    RunResult Routewright(const std::vector<std::string>& args)
    {
        std::string command = "cd " + Quote(folder.string()) +
                              " && env TZ=UTC LC_ALL=C SOURCE_DATE_EPOCH=1706745600"
                              " XDG_CONFIG_HOME=" +
                              Quote((folder / "config").string()) + " " + Quote(RW_ROUTEWRIGHT);
        for (const std::string& arg : args) {
            command += " " + Quote(arg);
        }
        command += " >stdout.txt 2>stderr.txt";
        const int raw = std::system(command.c_str());
        RunResult run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = ReadBytes(folder / "stdout.txt");
        run.err = ReadBytes(folder / "stderr.txt");
        return run;
    }

    // A configuration in the test's folder: the [Startup] lines given, each
    // format's folder named after it, the airport data as given (or the
    // default beside the program).
    std::string WriteConfig(const std::string& startup, const std::string& dataFile = "")
    {
        std::string text = "[Startup]\n" + startup;
        const char* sections[][2] = {{"DefMSFSDir", "msfs"}, {"DefACSGPSDir", "acs"},
                                     {"DefSQBDir", "sqb"},   {"DefRC99Dir", "rc"},
                                     {"DefSFPDir", "sfp"},   {"DefNAVDir", "nav"}};
        for (const auto& s : sections) {
            text += std::string("[") + s[0] + "]\nPathname=" + s[1] + "\n";
            fs::create_directories(folder / s[1]);
        }
        if (!dataFile.empty()) {
            text += "[AirpFile]\nPathname=" + dataFile + "\n";
        }
        WriteBytes(folder / "test.cfg", text);
        return "--config=test.cfg";
    }

    std::vector<std::string> FilesIn(const std::string& relative) const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder / relative)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder;
};

std::string Sample(const char* name)
{
    return (fs::path(RW_SAMPLES_DIR) / name).string();
}

TEST_F(Cli, SamplesIntoAllSixFormatsWithTheSampleConfiguration)
{
    const fs::path config = fs::path(RW_SAMPLES_DIR) / "Routewright.cfg";
    const std::string configBefore = ReadBytes(config);
    ASSERT_FALSE(configBefore.empty());
    const std::vector<std::string> folders = {"msfs",          "acs-gps", "squawkbox",
                                              "radar-contact", "sfp",     "nav"};
    const std::vector<std::string> extensions = {".pln", ".prg", ".sbp", ".apl", ".pln", ".pln"};
    for (const std::string& f : folders) {
        fs::create_directories(folder / "out" / f);
    }
    std::vector<std::string> samples;
    for (const auto& entry : fs::directory_iterator(RW_SAMPLES_DIR)) {
        if (entry.path().extension() == ".txt") {
            samples.push_back(entry.path().string());
        }
    }
    std::sort(samples.begin(), samples.end());
    ASSERT_GE(samples.size(), 2u);

    std::vector<std::string> args = {"--config", config.string()};
    args.insert(args.end(), samples.begin(), samples.end());
    const RunResult run = Routewright(args);

    EXPECT_EQ(run.status, 0) << run.err;
    // Every plan in the order written: per source plan, the formats in the
    // order of the bulk save.
    std::vector<std::string> expected;
    for (const std::string& sample : samples) {
        const std::string stem = fs::path(sample).stem().string();
        for (std::size_t i = 0; i < folders.size(); ++i) {
            expected.push_back("out/" + folders[i] + "/" + stem + extensions[i]);
        }
    }
    EXPECT_EQ(Lines(run.out), expected);
    for (const std::string& plan : expected) {
        SCOPED_TRACE(plan);
        EXPECT_GT(fs::file_size(folder / plan), 0u);
    }
    EXPECT_EQ(run.err,
              Paragraph(FormatPrintf(LoadText(IDS_BATCH_DONE), static_cast<int>(samples.size()))) +
                  "\n\n");
    EXPECT_EQ(ReadBytes(config), configBefore);

    // The MS Flight Simulator plan of one sample, with the airports found in
    // the worldwide data file beside the program.
    const std::vector<std::string> msfs =
        Lines(ReadBytes(folder / "out/msfs/zurich-geneva.pln"), "\r\n");
    ASSERT_EQ(msfs.size(), 19u);
    const std::vector<std::string> head = {
        "[flightplan]", "title=LSZH to LSGG", "description=LSZH, LSGG",
        "type=VFR",     "routetype=1",        "cruising_altitude=9000"};
    EXPECT_EQ(std::vector<std::string>(msfs.begin(), msfs.begin() + 6), head);
    EXPECT_EQ(msfs[8], "destination_id=LSGG, N46* 14.28', E006* 6.54', +001411.00");
    EXPECT_EQ(msfs[10].rfind("departure_name=", 0), 0u);
    EXPECT_EQ(msfs[11].rfind("destination_name=", 0), 0u);
    for (const int i : {10, 11}) {
        EXPECT_EQ(msfs[i].find(NotFoundText), std::string::npos);
    }
    const std::vector<std::string> waypoints = {
        "waypoint.1=WIL, V, N47* 10.72', E007* 54.27', +009000.00,",
        "waypoint.2=FRI, V, N46* 46.60', E007* 13.40', +009000.00,",
        "waypoint.3=SPR, V, N46* 28.30', E006* 27.00', +007000.00,",
        "waypoint.4=GVA, V, N46* 15.20', E006* 8.00', +005000.00,",
        "waypoint.5=LSGG, A, N46* 14.28', E006* 6.54', +001411.00,",
    };
    EXPECT_EQ(std::vector<std::string>(msfs.begin() + 14, msfs.end()), waypoints);

    const std::vector<std::string> rc =
        Lines(ReadBytes(folder / "out/radar-contact/zurich-geneva.apl"), "\r\n");
    ASSERT_GE(rc.size(), 2u);
    EXPECT_EQ(rc[1], "; Generated by Routewright for Radar Contact on Thursday, 1 February 2024");
}

TEST_F(Cli, FixtureRouteGivesTheGoldenPlans)
{
    // The points of the golden plans' route as the planner would export them.
    WriteBytes(folder / "fixture.txt",
               "# FliteStar/FliteMap generated flight plan.\n"
               "FPL 1\n"
               "FWP 0 A LSZH N 47 27.48 E 008 32.93 1416\n"
               "FWP 0 V WIL N 47 10.72 E 007 54.27 9000\n"
               "FWP 0 N GLA N 46 30.125 E 008 0.125 8499.9\n"
               "FWP 0 I ELMOS N 46 45.0 E 007 30.5 2500.5\n"
               "FWP 0 A LSZB N 47 4.98 E 007 30.95 1675\n"
               "FWP 0 U UNK01 S 05 3.5 W 077 0.25 -12\n"
               "FWP 0 I FAR N 45 0.0 W 120 5.0 3000\n"
               "FWP 0 A LSGG N 46 14.28 E 006 6.54 1411\n");
    // LSGG is missing, so its name is the text that says so, as in the
    // golden plans; LSZH has no runways, so no departure position.
    WriteBytes(folder / "apts.txt", "LSZH Zurich 1416 N47.46 E008.54\n");
    const std::string config = WriteConfig(
        "MSFS=1\nACS-GPS=1\n[DefFlightType]\nFlighttype=1\n"
        "[DefRouteType]\nRoutetype=3\n",
        "apts.txt");
    const RunResult run = Routewright({config, "fixture.txt"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "msfs/fixture.pln\nacs/fixture.prg\n");

    const fs::path golden = fs::path(RW_TEST_DATA_DIR) / "plans";
    // The ACS-GPS plan holds only what the source plan gives.
    EXPECT_EQ(ReadBytes(folder / "acs/fixture.prg"), ReadBytes(golden / "acs-gps.prg"));
    // The golden route carries a cruising altitude below its highest point
    // and a departure name with blanks, which no Build gives; every other
    // line is the same.
    std::vector<std::string> written = Lines(ReadBytes(folder / "msfs/fixture.pln"), "\r\n");
    std::vector<std::string> expected = Lines(ReadBytes(golden / "msfs.pln"), "\r\n");
    ASSERT_EQ(written.size(), expected.size());
    EXPECT_EQ(written[5], "cruising_altitude=9000");
    EXPECT_EQ(written[10], "departure_name=Zurich");
    for (const std::size_t i : {5u, 10u}) {
        written[i] = expected[i] = "";
    }
    EXPECT_EQ(written, expected);
}

TEST_F(Cli, FileThatDoesNotBuildFailsAndTheNextIsConverted)
{
    WriteBytes(folder / "bad.txt", "not a flight plan\n");
    const std::string config = WriteConfig("MSFS=1\n");
    const RunResult run = Routewright({config, "bad.txt", Sample("zurich-geneva.txt")});

    EXPECT_EQ(run.status, 1);
    const std::size_t failed = run.err.find(Paragraph(FormatText(IDS_BUILD_FAILED, "bad.txt")));
    const std::size_t notBuilt = run.err.find(Paragraph(LoadText(IDS_NOT_BUILT)));
    EXPECT_NE(failed, std::string::npos) << run.err;
    EXPECT_NE(notBuilt, std::string::npos) << run.err;
    EXPECT_LT(failed, notBuilt);
    EXPECT_EQ(run.out, "msfs/zurich-geneva.pln\n");
    EXPECT_EQ(FilesIn("msfs"), std::vector<std::string>{"zurich-geneva.pln"});
}

TEST_F(Cli, NoFormatSwitchedOn)
{
    const std::string config = WriteConfig("");
    const RunResult run = Routewright({config, Sample("zurich-geneva.txt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(Paragraph(LoadText(IDS_NO_BULK_PLANS))), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

TEST_F(Cli, AutogenNoneConvertsNothingAndSaysWhy)
{
    const std::string config = WriteConfig("MSFS=1\nAutogen=3\n");
    const RunResult run = Routewright({config, Sample("zurich-geneva.txt")});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Autogen"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(FilesIn("msfs").empty());
}

TEST_F(Cli, UsageErrors)
{
    const std::string config = WriteConfig("MSFS=1\n");
    struct Case {
        std::vector<std::string> args;
        const char* said;
    };
    const Case cases[] = {
        {{config, "--frobnicate", Sample("zurich-geneva.txt")}, "unknown option --frobnicate"},
        {{"-q", Sample("zurich-geneva.txt")}, "unknown option -q"},
        {{config}, "no flight plan named"},
        {{Sample("zurich-geneva.txt"), "--config"}, "--config needs a file name"},
        {{"--config", "no-such-routewright.cfg", Sample("zurich-geneva.txt")},
         "cannot read the configuration file no-such-routewright.cfg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.said);
        const RunResult run = Routewright(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(FilesIn("msfs").empty());
    }
}

TEST_F(Cli, HelpAndVersion)
{
    const RunResult help = Routewright({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: routewright [--config FILE] PLAN...\n", 0), 0u) << help.out;
    EXPECT_EQ(help.err, "");

    const RunResult version = Routewright({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("Routewright ") + RW_VERSION_TEXT + "\n");
}

}  // namespace
}  // namespace rw
