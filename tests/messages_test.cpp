// The unsaved-plan question, the writers' messages and window captions.
#include "shell/messages.h"

#include <gtest/gtest.h>

#include "fakes/fake_main_window.h"
#include "fakes/scripted_user.h"
#include "resources/resource.h"

namespace rw {
namespace {

using test::FakeMainWindow;
using test::ScriptedUser;

TEST(AskToSavePlan, AsksWithThePlanNameAndQuestionIcon)
{
    ScriptedUser user;
    FakeMainWindow owner;
    user.QueueAnswer(Answer::No);
    EXPECT_EQ(AskToSavePlan(user, owner, "LSZH-LSGG.pln"), Answer::No);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].textId, IDS_PLAN_NOT_SAVED);
    EXPECT_EQ(user.shown[0].text, "Flight-Plan LSZH-LSGG.pln not saved yet!\nDo you want to save it?");
    EXPECT_EQ(user.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(user.shown[0].buttons, MessageButtons::YesNoCancel);
}

TEST(AskToSavePlan, NoAndCancelSaveNothing)
{
    for (const Answer answer : {Answer::No, Answer::Cancel}) {
        ScriptedUser user;
        FakeMainWindow owner;
        user.QueueAnswer(answer);
        EXPECT_EQ(AskToSavePlan(user, owner, "plan"), answer);
        EXPECT_TRUE(owner.sent.empty());
    }
}

TEST(AskToSavePlan, YesRunsSaveAndFollowsItsResult)
{
    struct Case {
        std::intptr_t saveResult;
        Answer expected;
    };
    for (const Case c : {Case{0, Answer::Cancel}, Case{1, Answer::Yes}}) {
        SCOPED_TRACE(c.saveResult);
        ScriptedUser user;
        FakeMainWindow owner;
        owner.onSend = [&](int) { return c.saveResult; };
        user.QueueAnswer(Answer::Yes);
        EXPECT_EQ(AskToSavePlan(user, owner, "plan"), c.expected);
        EXPECT_EQ(owner.sent, std::vector<int>{IDM_SAVE});
    }
}

TEST(WriterMessages, QuietModeSilencesOnlySuccess)
{
    for (const int quiet : {0, 1}) {
        SCOPED_TRACE(quiet);
        ScriptedUser user;
        AppSettings settings;
        settings.Startup.Quietmode = quiet;
        ShowSavedMessage(user, settings, "trip.pln", IDS_MSFS_SAVED);
        ShowFailedMessage(user, "trip.pln", IDS_MSFS_NOT_SAVED);

        std::vector<int> expected;
        if (!quiet) {
            expected.push_back(IDS_MSFS_SAVED);
        }
        expected.push_back(IDS_MSFS_NOT_SAVED);
        std::vector<int> shownIds;
        for (const auto& m : user.shown) {
            shownIds.push_back(m.textId);
            EXPECT_EQ(m.icon, MessageIcon::Exclamation);
            EXPECT_EQ(m.buttons, MessageButtons::Ok);
        }
        EXPECT_EQ(shownIds, expected);
        EXPECT_EQ(user.shown.back().text, "MS Flight Simulator Flight-Plan trip.pln could not be created!\n");
    }
}

TEST(SetDialogTitle, JoinsProgramNameAndText)
{
    FakeMainWindow window;
    SetDialogTitle(window, "Routewright", "");
    EXPECT_EQ(window.Caption(), "Routewright - ");
    SetDialogTitle(window, "Routewright", "zurich-geneva.txt");
    EXPECT_EQ(window.Caption(), "Routewright - zurich-geneva.txt");
}

}  // namespace
}  // namespace rw
