// The batch conversion: dropped files and files named on the command line,
// built and saved for real through the main window's commands, behind a
// recording progress window.
#include "shell/batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "route_command_fixture.h"

namespace rw {
namespace {

using test::PlanText;

TEST(FileTitleOf, TextAfterTheLastSeparator)
{
    struct Case {
        const char* path;
        const char* title;
    };
    const Case cases[] = {
        {"/plans/zurich-geneva.txt", "zurich-geneva.txt"},
        {"plans/swiss/a.b.txt", "a.b.txt"},
        {"zurich.txt", "zurich.txt"},
        {"/zurich.txt", "zurich.txt"},
        {"/plans/", ""},
        {"", ""},
        // Here a backslash or a colon is part of a file's name.
        {"C:\\plans\\zurich.txt", "C:\\plans\\zurich.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const std::string_view path = c.path;
        const std::string_view title = FileTitleOf(path);
        EXPECT_EQ(title, c.title);
        // The title is the end of the same text, not a copy.
        EXPECT_EQ(title.data() + title.size(), path.data() + path.size());
    }
}

class RecordingProgress : public BatchProgress {
public:
    bool Create(int fileCount) override
    {
        created.push_back(fileCount);
        return canCreate;
    }
    void ShowFile(std::string_view counter, std::string_view title) override
    {
        counters.emplace_back(counter);
        titles.emplace_back(title);
    }
    void Step() override { ++steps; }
    void Destroy() override { ++destroyed; }

    bool canCreate = true;
    std::vector<int> created;
    std::vector<std::string> counters;
    std::vector<std::string> titles;
    int steps = 0;
    int destroyed = 0;
};

// Three source plans and two formats switched on, each into its folder.
class Batch : public test::RouteCommandTest {
protected:
    void SetUp() override
    {
        RouteCommandTest::SetUp();
        RunSentCommands();
        std::filesystem::create_directories(folder / "source");
        std::filesystem::create_directories(folder / "msfs");
        std::filesystem::create_directories(folder / "acs");
        AppSettings& s = state.settings;
        s.DefMSFSDir.Pathname = In("msfs");
        s.DefACSGPSDir.Pathname = In("acs");
        s.Startup.MSFS = 1;
        s.Startup.ACS_GPS = 1;
        s.Startup.Overwrite = 0;
        s.Startup.Quietmode = 0;

        a = WriteFile("source/a.txt", test::kTwoLegPlan);
        b = WriteFile("source/b.txt", PlanText({
                                          "FPL 1",
                                          "FWP 0 A LSGG N 46 14.28 E 006 06.54 1411",
                                          "FWP 0 V FRI N 46 46.60 E 007 13.40 8000",
                                          "FWP 0 A LFSB N 47 35.98 E 007 31.77 885",
                                      }));
        c = WriteFile("source/c.txt", PlanText({
                                          "FPL 1",
                                          "FWP 0 A LFSB N 47 35.98 E 007 31.77 885",
                                          "FWP 0 V HOC N 47 28.00 E 007 40.00 6000",
                                          "FWP 0 A LSZH N 47 27.48 E 008 32.93 1416",
                                      }));
    }

    std::string DoneText(int processed) const
    {
        return "Drag n Drop operation completed\na Total of " + std::to_string(processed) +
               " Flightplans where processed!";
    }

    bool Written(const std::string& relative) const
    {
        return std::filesystem::exists(folder / relative);
    }

    std::string a;
    std::string b;
    std::string c;
    RecordingProgress progress;
};

TEST_F(Batch, DropOfThreeFilesConvertsEachBehindTheCounter)
{
    WriteFile("msfs/b.pln", "an earlier plan");
    const BatchResult result = RunDropBatch(context, progress, {a, b, c});

    EXPECT_TRUE(result.ran);
    EXPECT_EQ(result.processed, 3);
    EXPECT_EQ(result.failed, 0);
    EXPECT_EQ(progress.created, std::vector<int>{3});
    EXPECT_EQ(progress.counters, (std::vector<std::string>{"1 of 3", "2 of 3", "3 of 3"}));
    EXPECT_EQ(progress.titles, (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(progress.steps, 3);
    EXPECT_EQ(progress.destroyed, 1);
    EXPECT_EQ(window.sent,
              (std::vector<int>{IDC_BUILD, IDM_SAVE, IDC_BUILD, IDM_SAVE, IDC_BUILD, IDM_SAVE}));
    for (const char* plan :
         {"msfs/a.pln", "msfs/b.pln", "msfs/c.pln", "acs/a.prg", "acs/b.prg", "acs/c.prg"}) {
        SCOPED_TRACE(plan);
        EXPECT_TRUE(Written(plan));
    }
    // Overwritten without a question, and no success messages: only the end.
    EXPECT_NE(ReadFile("msfs/b.pln"), "an earlier plan");
    EXPECT_NE(ReadFile("msfs/b.pln").find("title=LSGG to LFSB"), std::string::npos);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, DoneText(3));
    EXPECT_EQ(user.shown[0].icon, MessageIcon::Information);

    EXPECT_EQ(state.settings.Startup.Overwrite, 0);
    EXPECT_EQ(state.settings.Startup.Quietmode, 0);
    EXPECT_FALSE(state.batchRunning);
    EXPECT_EQ(state.route.RouteUnsaved, 0);
    EXPECT_EQ(window.Text(IDC_SOURCE_PATH), c);
    EXPECT_EQ(window.Caption(), "Routewright - c.txt");
}

TEST_F(Batch, CancelAtTheUnsavedPlanQuestionPutsTheSettingsBack)
{
    state.settings.Startup.Quietmode = 1;
    state.route.RouteUnsaved = 1;
    state.destTitle = "earlier.pln";
    user.QueueAnswer(Answer::Cancel);

    const BatchResult result = RunDropBatch(context, progress, {a, b, c});
    EXPECT_FALSE(result.ran);
    EXPECT_EQ(result.processed, 0);
    ASSERT_EQ(MessageIds(), std::vector<int>{IDS_PLAN_NOT_SAVED});
    EXPECT_EQ(user.shown[0].insert, "earlier.pln");
    EXPECT_TRUE(progress.created.empty());
    EXPECT_TRUE(window.sent.empty());
    EXPECT_EQ(state.settings.Startup.Overwrite, 0);
    EXPECT_EQ(state.settings.Startup.Quietmode, 1);
    EXPECT_FALSE(state.batchRunning);
    EXPECT_EQ(state.route.RouteUnsaved, 1);
}

TEST_F(Batch, ShortNameIsShownAndConvertedUnderTheStoredLongName)
{
    const std::string shortPath = In("source/ZURICH~1.TXT");
    WriteFile("source/zurich-geneva.txt", test::kTwoLegPlan);
    system.storedNames[shortPath] = "zurich-geneva.txt";

    const BatchResult result = RunDropBatch(context, progress, {shortPath});
    EXPECT_EQ(result.processed, 1);
    EXPECT_EQ(result.failed, 0);
    EXPECT_EQ(progress.titles, std::vector<std::string>{"zurich-geneva.txt"});
    EXPECT_EQ(state.sourcePath, In("source/zurich-geneva.txt"));
    EXPECT_EQ(window.Caption(), "Routewright - zurich-geneva.txt");
    EXPECT_TRUE(Written("msfs/zurich-geneva.pln"));
    EXPECT_FALSE(Written("msfs/ZURICH~1.pln"));
}

// A path of exactly length characters to a copy of plan, in folders of the
// test's own.
std::string PathOfLength(const std::filesystem::path& base, std::size_t length,
                         const std::string& plan)
{
    const std::string fileName = "/p.txt";
    std::string path = base.string();
    while (path.size() + fileName.size() < length) {
        const std::size_t room = length - path.size() - fileName.size();
        // Each folder name is at least two characters ("/" and one more).
        const std::size_t take = room <= 101 ? room : std::min<std::size_t>(100, room - 2);
        path += "/" + std::string(take - 1, 'd');
    }
    std::filesystem::create_directories(path);
    path += fileName;
    std::ofstream(path, std::ios::binary) << plan;
    return path;
}

TEST_F(Batch, PathOverTheLimitIsNamedAndSkipped)
{
    const std::string fits = PathOfLength(folder / "deep", 259, test::kTwoLegPlan);
    ASSERT_EQ(fits.size(), 259u);
    const std::string justOver = fits.substr(0, fits.size() - 4) + "x.txt";
    ASSERT_EQ(justOver.size(), 260u);

    const BatchResult result = RunDropBatch(context, progress, {justOver, fits, a});
    EXPECT_TRUE(result.ran);
    EXPECT_EQ(result.processed, 2);
    EXPECT_EQ(result.failed, 1);
    ASSERT_EQ(MessageIds(), (std::vector<int>{IDS_PATH_TOO_LONG, 0}));
    EXPECT_EQ(user.shown[0].insert, justOver);
    EXPECT_EQ(user.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(user.shown[1].text, DoneText(2));
    EXPECT_EQ(progress.counters, (std::vector<std::string>{"2 of 3", "3 of 3"}));
    EXPECT_EQ(progress.steps, 3);
    EXPECT_TRUE(Written("msfs/p.pln"));
    EXPECT_TRUE(Written("msfs/a.pln"));
}

TEST_F(Batch, DropWhileABatchRunsIsRefused)
{
    RecordingProgress nestedProgress;
    BatchResult nested;
    bool dropped = false;
    int overwriteAfterRefusal = -1;
    window.onSend = [&](int id) {
        if (id == IDC_BUILD && !dropped) {
            // A message box of the batch is open and more files are dropped.
            dropped = true;
            nested = RunDropBatch(context, nestedProgress, {c});
            overwriteAfterRefusal = state.settings.Startup.Overwrite;
        }
        std::intptr_t result = 0;
        (void)RunRouteCommand(context, views, id, result);
        return result;
    };

    const BatchResult outer = RunDropBatch(context, progress, {a, b});
    ASSERT_TRUE(dropped);
    EXPECT_FALSE(nested.ran);
    EXPECT_EQ(nested.processed, 0);
    EXPECT_TRUE(nestedProgress.created.empty());
    // The refusal leaves the running batch's forced settings alone.
    EXPECT_EQ(overwriteAfterRefusal, 1);
    EXPECT_EQ(outer.processed, 2);
    EXPECT_FALSE(Written("msfs/c.pln"));
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, DoneText(2));
    EXPECT_EQ(state.settings.Startup.Overwrite, 0);
    EXPECT_FALSE(state.batchRunning);
}

TEST_F(Batch, CommandLineConvertsEveryFileAndGoesOnAfterOneThatDoesNotBuild)
{
    const std::string bad = WriteFile("source/bad.txt", "not a plan\n");
    const BatchResult result = RunCommandLineBatch(context, progress, {bad, a, b});

    EXPECT_TRUE(result.ran);
    EXPECT_EQ(result.processed, 3);
    EXPECT_EQ(result.failed, 1);
    EXPECT_EQ(progress.counters, (std::vector<std::string>{"1 of 3", "2 of 3", "3 of 3"}));
    EXPECT_EQ(progress.destroyed, 1);
    // The Save of the file that did not build asks for a Build instead.
    ASSERT_EQ(MessageIds(),
              (std::vector<int>{IDS_SOURCE_NOT_PLAN, IDS_BUILD_FAILED, IDS_NOT_BUILT, 0}));
    EXPECT_EQ(user.shown[1].insert, "bad.txt");
    EXPECT_EQ(user.shown[3].text, DoneText(3));
    EXPECT_EQ(window.posted, std::vector<int>{IDC_BUILD});
    EXPECT_TRUE(Written("msfs/a.pln"));
    EXPECT_TRUE(Written("acs/b.prg"));
    EXPECT_FALSE(Written("msfs/bad.pln"));
    EXPECT_EQ(state.settings.Startup.Overwrite, 0);
    EXPECT_EQ(state.settings.Startup.Quietmode, 0);
}

TEST_F(Batch, CommandLineAsksBeforeEachFileWhileThePlanIsUnsaved)
{
    // No format switched on: every plan stays unsaved after its Save.
    state.settings.Startup.MSFS = 0;
    state.settings.Startup.ACS_GPS = 0;
    state.settings.Startup.Quietmode = 1;
    user.QueueAnswer(Answer::No);
    user.QueueAnswer(Answer::Cancel);

    const BatchResult result = RunCommandLineBatch(context, progress, {a, b, c});
    EXPECT_FALSE(result.ran);
    EXPECT_TRUE(user.AllAnswersUsed());
    // No question before the first file: nothing was unsaved yet.
    EXPECT_EQ(MessageIds(), (std::vector<int>{IDS_NO_BULK_PLANS, IDS_PLAN_NOT_SAVED,
                                              IDS_NO_BULK_PLANS, IDS_PLAN_NOT_SAVED}));
    EXPECT_EQ(user.shown[1].insert, "a.pln");
    EXPECT_EQ(progress.counters, (std::vector<std::string>{"1 of 3", "2 of 3"}));
    EXPECT_EQ(progress.destroyed, 1);
    EXPECT_EQ(window.sent, (std::vector<int>{IDC_BUILD, IDM_SAVE, IDC_BUILD, IDM_SAVE}));
    EXPECT_EQ(state.sourceTitle, "b.txt");
    EXPECT_EQ(state.settings.Startup.Overwrite, 0);
    EXPECT_EQ(state.settings.Startup.Quietmode, 1);
    EXPECT_FALSE(state.batchRunning);
}

}  // namespace
}  // namespace rw
