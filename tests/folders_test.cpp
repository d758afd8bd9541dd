// The folder pickers of the settings.
#include "settings/folders.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"
#include "fakes/scripted_user.h"
#include "resources/resource.h"

namespace rw {
namespace {

TEST(BrowseFolders, AskWithTheirPromptsAndKeepTheChosenFolder)
{
    test::FakeFolderPicker picker;
    test::ScriptedUser user;
    picker.answer = FolderChoice::Chosen;
    picker.chosen = "/plans/in";
    PathText folder("old");
    EXPECT_TRUE(BrowseSourceFolder(picker, user, folder));
    EXPECT_EQ(folder, "/plans/in");
    picker.chosen = "/plans/out";
    EXPECT_TRUE(BrowseDestinationFolder(picker, user, folder));
    EXPECT_EQ(folder, "/plans/out");
    EXPECT_EQ(picker.prompts, (std::vector<std::string>{
                                  "Please select a default flight plan source folder:",
                                  "Please select a default flight plan destination folder:"}));
    EXPECT_TRUE(user.shown.empty());
}

TEST(BrowseFolders, NothingChosenLeavesTheFolder)
{
    struct Case {
        FolderChoice answer;
        std::string chosen;
        bool message;
    };
    const Case cases[] = {
        {FolderChoice::Cancelled, "", false},
        {FolderChoice::NoFolderPath, "", false},
        {FolderChoice::Unavailable, "", true},
        {FolderChoice::Chosen, std::string(260, 'd'), false},  // too long: refused, not cut
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        test::FakeFolderPicker picker;
        test::ScriptedUser user;
        picker.answer = c.answer;
        picker.chosen = c.chosen;
        PathText folder("old");
        EXPECT_FALSE(BrowseDestinationFolder(picker, user, folder));
        EXPECT_EQ(folder, "old");
        ASSERT_EQ(user.shown.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(user.shown[0].textId, IDS_NO_SHELL_ALLOCATOR);
            EXPECT_EQ(user.shown[0].icon, MessageIcon::Stop);
        }
    }
}

}  // namespace
}  // namespace rw
