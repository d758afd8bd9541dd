// Loading the settings with their defaults and saving the recent files.
#include "settings/settings.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace rw {
namespace {

using test::FakeProfile;
using test::FakeRegistry;
using test::FakeSystem;

constexpr const char* kFs7Key = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0";

TEST(LoadSettings, WithoutAFileEverySettingHasItsDefault)
{
    FakeProfile profile;
    FakeRegistry registry;
    FakeSystem system;
    AppSettings s;
    s.Startup.Quietmode = 1;  // anything in memory is overwritten
    LoadSettings(s, profile, registry, system);

    EXPECT_EQ(s.Startup.Menuoption, 1);
    EXPECT_EQ(s.Startup.Mouseoption, 1);
    EXPECT_EQ(s.Startup.Statusbar, 1);
    EXPECT_EQ(s.Startup.Toolbar, 1);
    EXPECT_EQ(s.Startup.Tooltips, 1);
    EXPECT_EQ(s.Startup.EnhancedUI, 1);
    EXPECT_EQ(s.Startup.HtmlHelp, 1);
    EXPECT_EQ(s.Startup.Quietmode, 0);
    EXPECT_EQ(s.Startup.Overwrite, 0);
    EXPECT_EQ(s.Startup.Autogen, 0);
    EXPECT_EQ(s.DefFlightType.Flighttype, 0);
    EXPECT_EQ(s.DefRouteType.Routetype, 1);
    EXPECT_EQ(s.DefDataSource.Datasource, 0);
    EXPECT_EQ(s.Startup.FilterIndex, 1);
    for (const int bulk : {s.Startup.ACS_GPS, s.Startup.NAV, s.Startup.MSFS, s.Startup.RC99,
                           s.Startup.SQB, s.Startup.SFP}) {
        EXPECT_EQ(bulk, 0);
    }
    EXPECT_EQ(s.AirpFile.Pathname, "/opt/routewright/Fsb_apts.txt");
    EXPECT_EQ(s.AirpFile.Filename, "Fsb_apts.txt");
    for (const PathText* f : {&s.SrceFile.Pathname, &s.SrceFile.Filename, &s.DestFile.Pathname,
                              &s.DestFile.Filename}) {
        EXPECT_EQ(*f, "Please select a valid path and filename");
    }
    // No simulator registered: every export folder takes the destination
    // folder's placeholder.
    for (const PathText* f : {&s.DefSrceDir.Pathname, &s.DefDestDir.Pathname, &s.DefMSFSDir.Pathname,
                              &s.DefNAVDir.Pathname, &s.DefACSGPSDir.Pathname, &s.DefRC99Dir.Pathname,
                              &s.DefSQBDir.Pathname, &s.DefSFPDir.Pathname}) {
        EXPECT_EQ(*f, "Please select a valid path");
    }
}

TEST(LoadSettings, SimulatorFolderGivesTheFlightPlanFolder)
{
    FakeProfile profile;
    FakeRegistry registry;
    FakeSystem system;
    registry.values[{kFs7Key, "path"}] = "/games/fs";
    AppSettings s;
    LoadSettings(s, profile, registry, system);
    EXPECT_EQ(s.DefMSFSDir.Pathname, "/games/fs/Flights/MyFlts");
    EXPECT_EQ(s.DefNAVDir.Pathname, "Please select a valid path");
}

TEST(LoadSettings, DataFilePath)
{
    struct Case {
        const char* what;
        const char* stored;  // nullptr: the key is absent
        const char* expected;
    };
    const Case cases[] = {
        {"absent", nullptr, "/opt/routewright/Fsb_apts.txt"},
        {"the marker itself", "%$#@!42", "/opt/routewright/Fsb_apts.txt"},
        {"empty stays empty", "", ""},
        {"a path stays", "/data/apts.txt", "/data/apts.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeProfile profile;
        FakeRegistry registry;
        FakeSystem system;
        if (c.stored) {
            profile.Set("AirpFile", "Pathname", c.stored);
        }
        AppSettings s;
        LoadSettings(s, profile, registry, system);
        EXPECT_EQ(s.AirpFile.Pathname, c.expected);
    }
}

TEST(LoadSettings, EmptyDestinationFolderLeadsToTheCurrentFolder)
{
    FakeProfile profile;
    FakeRegistry registry;
    FakeSystem system;
    profile.Set("DefDestDir", "Pathname", "");
    AppSettings s;
    LoadSettings(s, profile, registry, system);
    for (const PathText* f : {&s.DefMSFSDir.Pathname, &s.DefNAVDir.Pathname, &s.DefACSGPSDir.Pathname,
                              &s.DefRC99Dir.Pathname, &s.DefSQBDir.Pathname, &s.DefSFPDir.Pathname}) {
        EXPECT_EQ(*f, "/home/pilot");
    }
}

TEST(LoadSettings, NamesInOtherCasesAndOutOfRangeChoices)
{
    FakeProfile profile;
    FakeRegistry registry;
    FakeSystem system;
    profile.Set("STARTUP", "autogen", "7");
    profile.Set("defflighttype", "FLIGHTTYPE", "1");
    profile.Set("DefRouteType", "Routetype", "5");
    profile.Set("Startup", "ACS-GPS", "1");
    profile.Set("DefMSFSDir", "Pathname", "/plans/fs");
    profile.Set("SrceFile", "Pathname", std::string(300, 'p'));
    AppSettings s;
    LoadSettings(s, profile, registry, system);
    EXPECT_EQ(s.Startup.Autogen, 7);
    EXPECT_EQ(s.DefFlightType.Flighttype, 1);
    EXPECT_EQ(s.DefRouteType.Routetype, 5);
    EXPECT_EQ(s.Startup.ACS_GPS, 1);
    EXPECT_EQ(s.DefMSFSDir.Pathname, "/plans/fs");
    EXPECT_EQ(s.SrceFile.Pathname.size(), 259u);
}

TEST(SaveRecentFiles, WritesInItsOrder)
{
    FakeProfile profile;
    AppSettings s;
    s.AirpFile.Pathname = "/data/Fsb_apts.txt";
    s.AirpFile.Filename = "Fsb_apts.txt";
    s.SrceFile.Pathname = "/plans/zurich-geneva.txt";
    s.SrceFile.Filename = "zurich-geneva.txt";
    s.DestFile.Pathname = "/out/zurich-geneva.pln";
    s.DestFile.Filename = "zurich-geneva.pln";
    s.Startup.FilterIndex = 4;
    SaveRecentFiles(s, profile);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"AirpFile/Pathname", "/data/Fsb_apts.txt"}, {"AirpFile/Filename", "Fsb_apts.txt"},
        {"SrceFile/Pathname", "/plans/zurich-geneva.txt"}, {"SrceFile/Filename", "zurich-geneva.txt"},
        {"DestFile/Pathname", "/out/zurich-geneva.pln"}, {"DestFile/Filename", "zurich-geneva.pln"},
        {"Startup/FilterIndex", "4"},
    };
    EXPECT_EQ(profile.written, expected);
}

}  // namespace
}  // namespace rw
