// The help file's name, the control help topics and the viewer calls.
#include "shell/help.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"
#include "resources/resource.h"

namespace rw {
namespace {

TEST(Help, FileNameFollowsTheViewer)
{
    EXPECT_EQ(HelpFileFor("C:\\Programs\\Routewright.exe", true), "C:\\Programs\\Routewright.chm");
    EXPECT_EQ(HelpFileFor("C:\\Programs\\Routewright.exe", false), "C:\\Programs\\Routewright.hlp");
}

TEST(Help, TopicsOfTheMainWindow)
{
    const HelpTopic* table = MainDialogHelpTable();
    EXPECT_EQ(HelpTopicOf(table, IDC_BUILD), 0x806603FBu);
    EXPECT_EQ(HelpTopicOf(table, IDC_HIGH_AIRWAYS), 0x806603EFu);
    EXPECT_EQ(HelpTopicOf(table, IDC_STATUS_BAR), 106u);
    EXPECT_EQ(HelpTopicOf(table, IDC_TOOLBAR), 118u);
    EXPECT_EQ(HelpTopicOf(table, IDC_ROUTE_TYPE_GROUP), 0u);
    EXPECT_EQ(HelpTopicOf(table, IDC_TREE_LABEL), 0u);
}

TEST(Help, ControlHelpAsksTheViewerOnlyForControlsInTheTable)
{
    test::FakeHelpViewer viewer;
    AppState state;
    state.helpFile = "C:\\Programs\\Routewright.chm";
    Help help(viewer, state);
    const HelpTopic* table = MainDialogHelpTable();

    help.ShowControlHelp(11, IDC_BUILD, table);
    help.ShowControlHelp(12, IDC_VOR_TO_VOR, table);
    help.ShowControlHelp(13, IDC_FLIGHT_TYPE_GROUP, table);  // a group box: nothing
    ASSERT_EQ(viewer.calls.size(), 2u);
    for (const test::HelpCall& call : viewer.calls) {
        EXPECT_TRUE(call.html);
        EXPECT_EQ(call.file, "C:\\Programs\\Routewright.chm::/Routewright.txt");
        EXPECT_EQ(call.command, static_cast<int>(HtmlHelpCommand::PopupForControl));
        EXPECT_EQ(call.table, table);
    }
    EXPECT_EQ(viewer.calls[0].window, 11u);
    EXPECT_EQ(viewer.calls[1].window, 12u);
}

TEST(Help, TheSettingChoosesTheViewer)
{
    struct Case {
        int htmlHelp;
        bool html;
        int contents, close;
    };
    const Case cases[] = {
        {1, true, static_cast<int>(HtmlHelpCommand::DisplayTopic), static_cast<int>(HtmlHelpCommand::CloseAll)},
        {0, false, static_cast<int>(WinHelpCommand::Contents), static_cast<int>(WinHelpCommand::Quit)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.htmlHelp);
        test::FakeHelpViewer viewer;
        AppState state;
        state.helpFile = "Routewright.hlp";
        state.settings.Startup.HtmlHelp = c.htmlHelp;
        Help help(viewer, state);
        help.ShowHelpContents();
        help.CloseHelp();
        help.ShowHelpOnHelp();
        ASSERT_EQ(viewer.calls.size(), 3u);
        EXPECT_EQ(viewer.calls[0].html, c.html);
        EXPECT_EQ(viewer.calls[0].command, c.contents);
        EXPECT_EQ(viewer.calls[0].file, "Routewright.hlp");
        EXPECT_EQ(viewer.calls[1].command, c.close);
        // Help on Help is WinHelp's, whichever viewer the program uses.
        EXPECT_FALSE(viewer.calls[2].html);
        EXPECT_EQ(viewer.calls[2].command, static_cast<int>(WinHelpCommand::HelpOnHelp));
        EXPECT_EQ(viewer.calls[2].file, "");
    }
}

}  // namespace
}  // namespace rw
