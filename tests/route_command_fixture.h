// What the tests of the Build, the route commands and the batch share: a
// folder of their own with small source plans and a small airport data file,
// and a context of fakes whose main window runs the route commands.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "fakes/fake_context.h"
#include "fakes/fake_route_tree.h"
#include "shell/commands.h"

namespace rw::test {

// A source plan as the planner exports it: the header line, then lines.
inline std::string PlanText(std::initializer_list<const char*> lines)
{
    std::string text = "# FliteStar/FliteMap generated flight plan.\n";
    for (const char* line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

// Two legs, LSZH to LSGG and on to LFSB. The airports' altitudes differ
// from the data file's elevations, so a test can tell which one it sees.
inline const std::string kTwoLegPlan = PlanText({
    "FPL 1",
    "FWP 0 A LSZH N 47 27.48 E 008 32.93 1400",
    "FWP 0 V WIL N 47 10.72 E 007 54.27 9000",
    "FWP 0 V FRI N 46 46.60 E 007 13.40 8000",
    "FWP 0 A LSGG N 46 14.28 E 006 06.54 1300",
    "FPL 2",
    "FWP 0 A LSGG N 46 14.28 E 006 06.54 1300",
    "FWP 0 V FRI N 46 46.60 E 007 13.40 8000",
    "FWP 0 N HOC N 47 28.00 E 007 40.00 7000",
    "FWP 0 A LFSB N 47 35.98 E 007 31.77 800",
});

// The airports of the plans above; no index, so every lookup reads from the
// start of the file.
inline constexpr const char* kAirportData =
    "LFSB Basel_Mulhouse 885 N47.59 E007.53 08_26 15_33\n"
    "LSGG Geneve_Cointrin 1411 N46.23 E006.10 05_23 04_22-grass\n"
    "LSZH Zurich 1416 N47.46 E008.54 16_34 10_28 14_32\n";

class RouteCommandTest : public testing::Test, protected FakeContext {
protected:
    void SetUp() override
    {
        folder = MakeTestFolder("rw_route_");
        WriteFile("Fsb_apts.txt", kAirportData);
        state.settings.AirpFile.Pathname = In("Fsb_apts.txt");
        state.settings.AirpFile.Filename = "Fsb_apts.txt";
        state.settings.Startup.Autogen = 0;
        state.settings.Startup.Toolbar = 1;
        state.settings.DefDestDir.Pathname = In("dest");
        std::filesystem::create_directories(folder / "dest");
    }
    void TearDown() override
    {
        if (!HasFailure()) {
            std::filesystem::remove_all(folder);
        }
    }

    // The path of a file in the test's folder, as the program's texts hold it.
    std::string In(const std::string& relative) const { return (folder / relative).string(); }

    std::string WriteFile(const std::string& relative, const std::string& bytes)
    {
        const std::string path = In(relative);
        std::ofstream out(path, std::ios::binary);
        out << bytes;
        EXPECT_TRUE(out.good()) << path;
        return path;
    }

    std::string ReadFile(const std::string& relative) const
    {
        std::ifstream in(In(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // Writes the plan and makes it the source plan.
    void UsePlan(const std::string& fileName, const std::string& text)
    {
        state.sourcePath = WriteFile(fileName, text);
        state.sourceTitle = fileName;
    }

    // Commands sent to the main window run as the real window runs them,
    // and the destination field tells of its changes as the real one does.
    void RunSentCommands()
    {
        window.onSend = [this](int id) {
            std::intptr_t result = 0;
            EXPECT_TRUE(RunRouteCommand(context, views, id, result)) << id;
            return result;
        };
        window.onChange = [this](int id) {
            if (id == IDC_DEST_PATH) {
                DestinationChanged(context);
            }
        };
    }

    // The texts of the tree's top-level items.
    std::vector<std::string> Branches() const { return tree.ChildTexts(0); }

    std::filesystem::path folder;
    FakeRouteTree tree;
    FakeLegTabs tabs;
    int probes = 0;
    RouteViews views{tree, tabs, [this] { ++probes; }};
};

}  // namespace rw::test
