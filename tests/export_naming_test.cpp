// Plan naming: the generated names of the four Autogen rules, the folder
// separator, the extension of each kind, and the extension rule that never
// looks into a folder.
#include "export/naming.h"

#include <gtest/gtest.h>

#include <string>

#include "export/export_kind.h"
#include "fakes/fake_main_window.h"
#include "fakes/fake_platform.h"
#include "fakes/scripted_file_dialogs.h"
#include "fakes/scripted_user.h"

namespace rw {
namespace {

class PlanNaming : public testing::Test {
protected:
    void SetUp() override
    {
        RouteStore& route = state.route;
        route.legCount = 2;
        route.currentLeg = 1;
        route.legInfo[1].pointCount = 3;
        SetAirports("LSZH", "Zurich", "LSGA", "Geneva");
        state.sourceTitle = "route.txt";
        state.destTitle = "old.pln";
    }

    void SetAirports(const char* firstIdent, const char* firstName, const char* lastIdent,
                     const char* lastName)
    {
        RoutePoint* points = state.route.legs[1].points;
        points[0].ident = firstIdent;
        points[0].name = firstName;
        points[1].ident = "WIL";
        points[1].name = "WIL";
        points[2].ident = lastIdent;
        points[2].name = lastName;
    }

    AppState state;
    test::ScriptedUser user;
    test::FakeMainWindow window;
    test::ScriptedFileDialogs dialogs;
    test::FakeSystem system;
    Context context{state, user, window, dialogs, system};
};

TEST_F(PlanNaming, GeneratesTheNameTheAutogenSettingSays)
{
    struct Case {
        const char* label;
        int autogen;
        const char* folder;
        int kind;
        const char* nameBefore;
        const char* path;
        const char* name;
    };
    const Case cases[] = {
        {"identifiers", 1, "/plans", 1, "x.apl", "/plans/LSZH-LSGA.pln", "LSZH-LSGA.pln"},
        {"a folder ending in a separator", 1, "/plans/", 1, "", "/plans/LSZH-LSGA.pln",
         "LSZH-LSGA.pln"},
        {"airport names", 2, "/plans", 1, "", "/plans/Zurich to Geneva.pln",
         "Zurich to Geneva.pln"},
        {"identifiers for Radar Contact", 1, "/plans", 3, "", "/plans/LSZH-LSGA.apl",
         "LSZH-LSGA.apl"},
        {"identifiers for SquawkBox", 1, "/plans", 4, "", "/plans/LSZH-LSGA.sbp", "LSZH-LSGA.sbp"},
        {"identifiers for ACS-GPS", 1, "/plans", 2, "", "/plans/LSZH-LSGA.prg", "LSZH-LSGA.prg"},
        {"identifiers for Super Flight Planner", 1, "/plans", 5, "", "/plans/LSZH-LSGA.pln",
         "LSZH-LSGA.pln"},
        {"identifiers for Nav", 1, "/plans", 6, "", "/plans/LSZH-LSGA.pln", "LSZH-LSGA.pln"},
        {"All files names a plan .pln", 1, "/plans", 7, "", "/plans/LSZH-LSGA.pln",
         "LSZH-LSGA.pln"},
        {"kind 0 names a plan .pln", 1, "/plans", 0, "", "/plans/LSZH-LSGA.pln", "LSZH-LSGA.pln"},
        {"a number beyond the kinds", 1, "/plans", 12, "", "/plans/LSZH-LSGA.pln", "LSZH-LSGA.pln"},
        {"the name as it stands", 3, "/plans", 4, "mine.apl", "/plans/mine.sbp", "mine.sbp"},
        {"a name without a dot keeps no extension", 3, "/plans", 1, "mine", "/plans/mine", "mine"},
        {"only the last dot counts", 3, "/plans", 2, "a.b.c", "/plans/a.b.prg", "a.b.prg"},
        {"an empty name", 3, "/plans", 1, "", "/plans/", ""},
        {"an empty folder", 1, "", 1, "", "/LSZH-LSGA.pln", "LSZH-LSGA.pln"},
        {"an Autogen beyond the rules leaves the name", 9, "/plans", 1, "kept.txt",
         "/plans/kept.pln", "kept.pln"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        state.settings.Startup.Autogen = c.autogen;
        PathText path("untouched");
        PathText name(c.nameBefore);
        MakePlanFileName(context, c.folder, path, name, c.kind);
        EXPECT_EQ(path, c.path);
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(state.destTitle, "old.pln");
    }
}

TEST_F(PlanNaming, SourceNameGoesToTheDestinationTitleWhicheverNameIsPassed)
{
    state.settings.Startup.Autogen = 0;
    MakePlanFileName(context, "/plans", state.destPath, state.destTitle, 2);
    EXPECT_EQ(state.destTitle, "route.prg");
    EXPECT_EQ(state.destPath, "/plans/route.prg");

    // A bulk name keeps its own text, and destTitle is overwritten all the same.
    state.destTitle = "old.pln";
    PathText bulkPath;
    PathText bulkName("trip.pln");
    MakePlanFileName(context, "/sqb", bulkPath, bulkName, 4);
    EXPECT_EQ(bulkName, "trip.sbp");
    EXPECT_EQ(bulkPath, "/sqb/trip.sbp");
    EXPECT_EQ(state.destTitle, "route.txt");
}

TEST_F(PlanNaming, GeneratedNamesTakeTheTextsAsTheyStand)
{
    struct Case {
        const char* label;
        int autogen;
        const char* firstName;
        const char* lastName;
        const char* name;
    };
    const Case cases[] = {
        {"a dot inside an airport name", 2, "St. Gallen", "Geneva", "St. Gallen to Geneva.pln"},
        // Characters a file name cannot hold are passed on; the writer's
        // failed-to-create message follows.
        {"a failure text stored as a name", 2, "Zurich", "Not found in Airport/Runway Data file!",
         "Zurich to Not found in Airport/Runway Data file!.pln"},
        {"names longer than thirty characters", 2,
         "Zurich-Kloten International Airport of Switzerland", "Geneva",
         "Zurich-Kloten International Airport of Switzerland to Geneva.pln"},
        {"empty names", 2, "", "", " to .pln"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SetAirports("LSZH", c.firstName, "LSGA", c.lastName);
        state.settings.Startup.Autogen = c.autogen;
        PathText path;
        PathText name;
        MakePlanFileName(context, "/plans", path, name, 1);
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(path, std::string("/plans/") + c.name);
    }
}

TEST_F(PlanNaming, WithoutPointsTheIdentifiersAreEmpty)
{
    state.route.Reset();
    state.settings.Startup.Autogen = 1;
    PathText path;
    PathText name;
    MakePlanFileName(context, "/plans", path, name, 1);
    EXPECT_EQ(name, "-.pln");
}

TEST_F(PlanNaming, ALongPathIsCutToItsBuffer)
{
    state.settings.Startup.Autogen = 1;
    const std::string folder = "/" + std::string(250, 'f');
    PathText path;
    PathText name;
    MakePlanFileName(context, folder, path, name, 1);
    EXPECT_EQ(path.size(), PathText::capacity);
    EXPECT_EQ(path, (folder + "/LSZH-LSGA.pln").substr(0, PathText::capacity));
    EXPECT_EQ(name, "LSZH-LSGA.pln");
}

TEST_F(PlanNaming, FolderMayBeTheSameTextAsPath)
{
    state.settings.Startup.Autogen = 1;
    PathText path("/plans");
    PathText name;
    MakePlanFileName(context, path.view(), path, name, 4);
    EXPECT_EQ(path, "/plans/LSZH-LSGA.sbp");
}

TEST(PlanExtension, ReplacesOnlyInTheFileNamePart)
{
    struct Case {
        const char* text;
        const char* replaced;
    };
    const Case cases[] = {
        {"out/fs.2002/mytrip", "out/fs.2002/mytrip"},
        {"out/fs.2002/mytrip.txt", "out/fs.2002/mytrip.pln"},
        {"out/fs.2002/my.trip.txt", "out/fs.2002/my.trip.pln"},
        {"mytrip", "mytrip"},
        {"mytrip.", "mytrip.pln"},
        {"mytrip.sbp", "mytrip.pln"},
        {".hidden", ".pln"},
        {"out.d/", "out.d/"},
        {"", ""},
        {"/a.b/c", "/a.b/c"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        PathText text(c.text);
        ReplaceExtension(text, ".pln");
        EXPECT_EQ(text, c.replaced);
    }
}

TEST(PlanExtension, OfEachKind)
{
    struct Case {
        int kind;
        const char* extension;
    };
    const Case cases[] = {{0, ".pln"}, {1, ".pln"}, {2, ".prg"}, {3, ".apl"},  {4, ".sbp"},
                          {5, ".pln"}, {6, ".pln"}, {7, ".pln"}, {-1, ".pln"}, {8, ".pln"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(PlanExtension(c.kind), c.extension);
        EXPECT_EQ(FindExportFormat(c.kind) != nullptr, c.kind >= 1 && c.kind <= 6);
    }
}

}  // namespace
}  // namespace rw
