// The Build through the main window's fakes: the route tree, the leg tabs,
// the leg shown, failures part-way, the busy display; Expand and Collapse
// over a built route; the Open command and the unsaved-plan question.
#include "route/build.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "route/route_tree_text.h"
#include "route_command_fixture.h"
#include "shell/commands.h"

namespace rw {
namespace {

using test::PlanText;

class Build : public test::RouteCommandTest {
protected:
    std::vector<TreeItem> Children(TreeItem parent)
    {
        std::vector<TreeItem> items;
        for (TreeItem i = parent == 0 ? tree.FirstRootItem() : tree.FirstChild(parent); i != 0;
             i = tree.NextSibling(i)) {
            items.push_back(i);
        }
        return items;
    }

    std::vector<int> ChildImages(TreeItem parent)
    {
        std::vector<int> images;
        for (const TreeItem i : Children(parent)) {
            images.push_back(tree.At(i).image);
        }
        return images;
    }

    // The point item of leg (0-based) at index, by position in the tree.
    TreeItem PointItem(std::size_t leg, std::size_t index)
    {
        return Children(Children(0)[leg])[index];
    }

    std::string AltitudeDetail(std::size_t leg, std::size_t index)
    {
        return tree.ChildTexts(PointItem(leg, index)).back();
    }
};

TEST_F(Build, TwoLegPlanListsBothLegsAndShowsTheFirst)
{
    UsePlan("two-legs.txt", test::kTwoLegPlan);
    state.route.RouteBuilt = 0;
    ASSERT_TRUE(BuildCommand(context, views));
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(state.route.RouteBuilt, 1);
    EXPECT_EQ(state.route.RouteUnsaved, 1);
    EXPECT_TRUE(window.routeCommandsEnabled);
    EXPECT_TRUE(window.routeToolbarEnabled);

    const std::vector<std::string> legs = {"LSZH -> LSGG", "LSGG -> LFSB"};
    EXPECT_EQ(Branches(), legs);
    EXPECT_EQ(ChildImages(0), (std::vector<int>{kLegImage, kLegImage}));
    EXPECT_EQ(tabs.tabs, legs);
    EXPECT_TRUE(tabs.hasIcon);
    EXPECT_TRUE(tree.hasImages);

    const std::vector<TreeItem> legItems = Children(0);
    ASSERT_EQ(legItems.size(), 2u);
    EXPECT_EQ(tree.ChildTexts(legItems[0]),
              (std::vector<std::string>{"LSZH", "WIL", "FRI", "LSGG"}));
    EXPECT_EQ(ChildImages(legItems[0]), (std::vector<int>{4, 2, 2, 4}));
    EXPECT_EQ(tree.ChildTexts(legItems[1]),
              (std::vector<std::string>{"LSGG", "FRI", "HOC", "LFSB"}));
    EXPECT_EQ(ChildImages(legItems[1]), (std::vector<int>{4, 2, 3, 4}));
    EXPECT_EQ(tree.ChildTexts(PointItem(0, 0)),
              (std::vector<std::string>{"Airport", "LAT. N47* 27.48'", "LON. E008* 32.93'",
                                        "Alt.   1416"}));
    EXPECT_EQ(ChildImages(PointItem(0, 0)), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(
        tree.ChildTexts(PointItem(1, 2)),
        (std::vector<std::string>{"NDB", "LAT. N47* 28.00'", "LON. E007* 40.00'", "Alt.   7000"}));

    // The leg shown (the first) carries the data file's elevations at both
    // ends; the second leg keeps the altitudes of the source plan.
    EXPECT_EQ(AltitudeDetail(0, 0), "Alt.   1416");
    EXPECT_EQ(AltitudeDetail(0, 3), "Alt.   1411");
    EXPECT_EQ(AltitudeDetail(1, 0), "Alt.   1300");
    EXPECT_EQ(AltitudeDetail(1, 3), "Alt.    800");

    EXPECT_EQ(state.route.currentLeg, 0u);
    EXPECT_EQ(window.Text(IDC_DEPARTURE_ID), "LSZH");
    EXPECT_EQ(window.Text(IDC_DESTINATION_ID), "LSGG");
    EXPECT_EQ(window.Text(IDC_DEPARTURE_NAME), "Zurich");
    EXPECT_EQ(window.Text(IDC_DESTINATION_NAME), "Geneve_Cointrin");
    EXPECT_EQ(window.Text(IDC_ROUTE_TEXT), "LSZH-WIL-FRI-LSGG");
    EXPECT_EQ(window.Text(IDC_CRUISE_ALTITUDE), "9000");
    EXPECT_EQ(window.Entries(IDC_DEPARTURE_RUNWAYS),
              (std::vector<std::string>{"10 28 ", "14 32 ", "16 34 "}));
    EXPECT_GT(state.route.legInfo[1].legDistance, 0.0);
    EXPECT_DOUBLE_EQ(state.route.routeDistance,
                     state.route.legInfo[0].legDistance + state.route.legInfo[1].legDistance);
}

TEST_F(Build, ASecondBuildStartsAfresh)
{
    UsePlan("two-legs.txt", test::kTwoLegPlan);
    ASSERT_TRUE(BuildCommand(context, views));
    const double firstDistance = state.route.legInfo[0].legDistance;

    UsePlan("one-leg.txt", PlanText({
                               "FPL 1",
                               "FWP 0 A LSZH N 47 27.48 E 008 32.93 1400",
                               "FWP 0 V WIL N 47 10.72 E 007 54.27 9000",
                               "FWP 0 V FRI N 46 46.60 E 007 13.40 8000",
                               "FWP 0 A LSGG N 46 14.28 E 006 06.54 1300",
                           }));
    ASSERT_TRUE(BuildCommand(context, views));
    EXPECT_EQ(Branches(), std::vector<std::string>{"LSZH -> LSGG"});
    EXPECT_EQ(tabs.tabs, std::vector<std::string>{"LSZH -> LSGG"});
    EXPECT_EQ(state.route.legCount, 1u);
    EXPECT_DOUBLE_EQ(state.route.routeDistance, firstDistance);
    EXPECT_EQ(window.Entries(IDC_LANDING_RUNWAYS), (std::vector<std::string>{"04 22 ", "05 23 "}));
}

TEST_F(Build, FailureKeepsTheLegsBuiltBeforeIt)
{
    const std::string firstLeg =
        "FPL 1\n"
        "FWP 0 A LSZH N 47 27.48 E 008 32.93 1400\n"
        "FWP 0 V WIL N 47 10.72 E 007 54.27 9000\n"
        "FWP 0 A LSGG N 46 14.28 E 006 06.54 1300\n";
    const std::string thirdLeg =
        "FPL 3\n"
        "FWP 0 A LSGG N 46 14.28 E 006 06.54 1300\n"
        "FWP 0 A LFSB N 47 35.98 E 007 31.77 800\n";
    struct Case {
        const char* name;
        std::string text;
        std::vector<int> messages;
        std::vector<std::string> branches;
        int unsaved;  // RouteUnsaved afterwards, from 0
    };
    const Case cases[] = {
        {"not a plan",
         "FPL 1\nFWP 0 A LSZH N 47 27.48 E 008 32.93 1400\n",
         {IDS_SOURCE_NOT_PLAN, IDS_BUILD_FAILED},
         {},
         0},
        {"first leg without points",
         PlanText({"FPL 1", "FPL 2"}),
         {IDS_NO_POINTS, IDS_BUILD_FAILED},
         {},
         0},
        {"second of three without points",
         PlanText({}) + firstLeg + "FPL 2\n" + thirdLeg,
         {IDS_NO_POINTS, IDS_BUILD_FAILED},
         {"LSZH -> LSGG"},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window = test::FakeMainWindow();
        user.shown.clear();
        UsePlan("plan.txt", c.text);
        state.route.RouteBuilt = 1;  // of the route before
        state.route.RouteUnsaved = 0;

        EXPECT_FALSE(BuildCommand(context, views));
        EXPECT_EQ(MessageIds(), c.messages);
        EXPECT_EQ(user.shown.back().insert, "plan.txt");
        EXPECT_EQ(user.shown.back().icon, MessageIcon::Exclamation);
        EXPECT_EQ(state.route.RouteBuilt, 0);
        EXPECT_EQ(state.route.RouteUnsaved, c.unsaved);
        EXPECT_EQ(Branches(), c.branches);
        EXPECT_TRUE(tabs.tabs.empty());
        // Details and Print come with the first completed leg.
        EXPECT_EQ(window.routeCommandsEnabled, !c.branches.empty());
        EXPECT_EQ(window.routeToolbarEnabled, !c.branches.empty());
        if (c.branches.empty()) {
            EXPECT_EQ(window.Text(IDC_ROUTE_TEXT), "");
            EXPECT_EQ(window.Text(IDC_CRUISE_ALTITUDE), "N/A");
        } else {
            EXPECT_EQ(window.Text(IDC_ROUTE_TEXT), "LSZH-WIL-LSGG");
        }
    }
}

// Counts how often the busy animation was started.
class CountingWindow : public test::FakeMainWindow {
public:
    void ShowBusyAnimation() override
    {
        ++shows;
        FakeMainWindow::ShowBusyAnimation();
    }
    int shows = 0;
};

TEST_F(Build, BusyDisplayIsPutBackOnEveryPath)
{
    struct Case {
        const char* name;
        std::string text;
        bool scanned;
        bool built;
    };
    const Case cases[] = {
        {"failed scan", "not a plan\n", false, false},
        {"failed leg", PlanText({"FPL 1", "FWP 0 A LSZH N 47 27.48 E 008 32.93 1400"}), true,
         false},
        {"success", test::kTwoLegPlan, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CountingWindow counting;
        Context counted{state, user, counting, dialogs, system};
        UsePlan("plan.txt", c.text);
        EXPECT_EQ(BuildWaypointTable(counted, tree, tabs), c.built);
        // The animation starts once the file has proved to be a plan.
        EXPECT_EQ(counting.shows, c.scanned ? 1 : 0);
        EXPECT_FALSE(counting.busy);
        EXPECT_FALSE(counting.waitCursor);
        EXPECT_EQ(counting.statusText, "");
        if (c.built) {
            EXPECT_NE(std::find(counting.statusHistory.begin(), counting.statusHistory.end(),
                                std::string(kBuildingStatus)),
                      counting.statusHistory.end());
        }
    }
}

TEST_F(Build, UnknownPointTypeShowsBlankImageAndUnknown)
{
    UsePlan("unknown.txt", PlanText({
                               "FPL 1",
                               "FWP 0 A LSZH N 47 27.48 E 008 32.93 1400",
                               "FWP 0 U UNK01 S 05 03.50 W 077 00.25 -12",
                               "FWP 0 A LSGG N 46 14.28 E 006 06.54 1300",
                           }));
    ASSERT_TRUE(BuildCommand(context, views));
    const TreeItem point = PointItem(0, 1);
    EXPECT_EQ(tree.At(point).text, "UNK01");
    EXPECT_EQ(tree.At(point).image, 0);
    EXPECT_EQ(tree.ChildTexts(point),
              (std::vector<std::string>{"Unknown", "LAT. S05* 3.50'", "LON. W077* 0.25'",
                                        "Alt.    -12"}));
}

TEST_F(Build, ExpandAndCollapseFromTheSelectedItem)
{
    UsePlan("two-legs.txt", test::kTwoLegPlan);
    ASSERT_TRUE(BuildCommand(context, views));
    const std::vector<TreeItem> legItems = Children(0);
    // An item with everything below it.
    const auto withBelow = [&](TreeItem item) {
        std::set<TreeItem> items = {item};
        for (const TreeItem child : Children(item)) {
            items.insert(child);
            for (const TreeItem detail : Children(child)) {
                items.insert(detail);
            }
        }
        return items;
    };
    const auto expandedItems = [&] {
        std::set<TreeItem> items;
        for (TreeItem i = 1; i <= tree.items.size(); ++i) {
            if (tree.At(i).expanded) {
                items.insert(i);
            }
        }
        return items;
    };
    std::set<TreeItem> everything;
    for (TreeItem i = 1; i <= tree.items.size(); ++i) {
        everything.insert(i);
    }
    std::set<TreeItem> thirdToLast = withBelow(PointItem(0, 2));
    thirdToLast.merge(withBelow(PointItem(0, 3)));

    struct Case {
        const char* name;
        TreeItem selected;
        std::set<TreeItem> expanded;
    };
    const Case cases[] = {
        {"nothing selected", 0, everything},
        {"third point of the first leg", PointItem(0, 2), thirdToLast},
        {"second leg", legItems[1], withBelow(legItems[1])},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (auto& item : tree.items) {
            item.expanded = false;
        }
        tree.selected = c.selected;
        std::intptr_t result = 0;
        ASSERT_TRUE(RunRouteCommand(context, views, IDC_EXPAND, result));
        EXPECT_EQ(expandedItems(), c.expanded);

        // Collapse closes the same items again, from everything open.
        for (auto& item : tree.items) {
            item.expanded = true;
        }
        ASSERT_TRUE(RunRouteCommand(context, views, IDC_COLLAPSE, result));
        std::set<TreeItem> stillOpen;
        std::set_difference(everything.begin(), everything.end(), c.expanded.begin(),
                            c.expanded.end(), std::inserter(stillOpen, stillOpen.end()));
        EXPECT_EQ(expandedItems(), stillOpen);
    }
}

class OpenCommandTest : public test::RouteCommandTest {};

TEST_F(OpenCommandTest, CancelChangesNothing)
{
    state.destPath = "/plans/kept.pln";
    window.routeCommandsEnabled = true;
    dialogs.QueueCancel();
    EXPECT_EQ(OpenCommand(context, views), OpenOutcome::Cancelled);
    EXPECT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_TRUE(window.posted.empty());
    EXPECT_TRUE(window.texts.empty());
    EXPECT_TRUE(window.routeCommandsEnabled);
    EXPECT_EQ(state.destPath, "/plans/kept.pln");
    EXPECT_EQ(probes, 0);
}

TEST_F(OpenCommandTest, PlanFileProbeOrBuild)
{
    struct Case {
        const char* fileName;
        int autogen;
        OpenOutcome outcome;
        std::vector<int> messages;
        std::string destPath;  // afterwards; "" where the field is not set
    };
    const std::string kept = "/plans/kept.pln";
    const Case cases[] = {
        {"PLAN.FCF", 0, OpenOutcome::Probed, {IDS_FCF_NOT_SUPPORTED}, ""},
        {"plan.fcf", 0, OpenOutcome::Probed, {IDS_FCF_NOT_SUPPORTED}, ""},
        {"zurich.txt", 0, OpenOutcome::BuildPosted, {}, In("dest/zurich.pln")},
        // A name without a dot is a plan too.
        {"zurich", 0, OpenOutcome::BuildPosted, {}, In("dest/zurich")},
        {"zurich.txt", 3, OpenOutcome::BuildPosted, {}, kept},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.fileName) + " Autogen " + std::to_string(c.autogen));
        window = test::FakeMainWindow();
        window.routeCommandsEnabled = window.routeToolbarEnabled = true;
        user.shown.clear();
        probes = 0;
        state.settings.Startup.Autogen = c.autogen;
        state.destPath = kept;
        state.route.RouteUnsaved = 0;
        const std::string path = In(std::string("source/") + c.fileName);
        dialogs.QueueChoice(path, c.fileName);

        EXPECT_EQ(OpenCommand(context, views), c.outcome);
        EXPECT_EQ(MessageIds(), c.messages);
        EXPECT_EQ(window.Text(IDC_SOURCE_PATH), path);
        EXPECT_EQ(state.sourceTitle, c.fileName);
        EXPECT_FALSE(window.routeCommandsEnabled);
        EXPECT_FALSE(window.routeToolbarEnabled);
        if (c.outcome == OpenOutcome::Probed) {
            EXPECT_EQ(probes, 1);
            EXPECT_TRUE(window.posted.empty());
            EXPECT_EQ(window.texts.count(IDC_DEST_PATH), 0u);
            EXPECT_EQ(state.destPath, kept);
        } else {
            EXPECT_EQ(probes, 0);
            EXPECT_EQ(window.posted, std::vector<int>{IDC_BUILD});
            EXPECT_EQ(state.destPath, c.destPath);
            EXPECT_EQ(window.Text(IDC_DEST_PATH), c.destPath);
        }
    }
    EXPECT_TRUE(dialogs.AllAnswersUsed());
}

// The unsaved-plan question before an action that drops the route: Yes
// saves, and the action goes on only when every plan switched on was written.
class UnsavedRoute : public test::RouteCommandTest {
protected:
    void SetUp() override
    {
        RouteCommandTest::SetUp();
        RunSentCommands();
        UsePlan("two-legs.txt", test::kTwoLegPlan);
        ASSERT_TRUE(BuildCommand(context, views));
        state.destTitle = "two-legs.pln";
        window.SetText(IDC_DEST_PATH, In("dest/two-legs.pln"));
        state.settings.Startup.MSFS = 1;
        state.settings.Startup.Quietmode = 1;
    }
};

TEST_F(UnsavedRoute, MayDropRouteByTheAnswerAndTheSave)
{
    struct Case {
        const char* name;
        int unsaved;
        std::vector<Answer> answers;
        bool msfsFolderExists;
        bool mayDrop;
        bool written;
    };
    const Case cases[] = {
        {"saved already", 0, {}, true, true, false},
        {"No", 1, {Answer::No}, true, true, false},
        {"Cancel", 1, {Answer::Cancel}, true, false, false},
        {"Yes, every plan written", 1, {Answer::Yes}, true, true, true},
        {"Yes, a plan not written", 1, {Answer::Yes}, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        user.shown.clear();
        std::filesystem::remove_all(folder / "msfs");
        if (c.msfsFolderExists) {
            std::filesystem::create_directories(folder / "msfs");
        }
        state.settings.DefMSFSDir.Pathname = In("msfs");
        state.route.RouteUnsaved = c.unsaved;
        // A save named after the source plan changes the title; each case asks afresh.
        state.destTitle = "two-legs.pln";
        for (const Answer a : c.answers) {
            user.QueueAnswer(a);
        }

        EXPECT_EQ(MayDropRoute(context), c.mayDrop);
        EXPECT_TRUE(user.AllAnswersUsed());
        if (c.unsaved) {
            ASSERT_FALSE(user.shown.empty());
            EXPECT_EQ(user.shown[0].textId, IDS_PLAN_NOT_SAVED);
            EXPECT_EQ(user.shown[0].insert, "two-legs.pln");
        } else {
            EXPECT_TRUE(user.shown.empty());
        }
        EXPECT_EQ(std::filesystem::exists(folder / "msfs" / "two-legs.pln"), c.written);
        EXPECT_EQ(state.route.RouteUnsaved, c.written ? 0 : c.unsaved);
    }
}

TEST_F(UnsavedRoute, OpenStopsAfterYesWhenTheSaveFailed)
{
    state.settings.DefMSFSDir.Pathname = In("missing");
    user.QueueAnswer(Answer::Yes);
    EXPECT_EQ(OpenCommand(context, views), OpenOutcome::Cancelled);
    EXPECT_TRUE(dialogs.openRequests.empty());
    EXPECT_EQ(state.route.RouteUnsaved, 1);

    std::filesystem::create_directories(folder / "msfs");
    state.settings.DefMSFSDir.Pathname = In("msfs");
    user.QueueAnswer(Answer::Yes);
    dialogs.QueueCancel();
    EXPECT_EQ(OpenCommand(context, views), OpenOutcome::Cancelled);
    EXPECT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(folder / "msfs" / "two-legs.pln"));
}

}  // namespace
}  // namespace rw
