// The command-line program's user and window model.
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "console/console_main_window.h"
#include "console/console_platform.h"
#include "console/console_user.h"
#include "resources/resource.h"

namespace rw {
namespace {

std::string ReadAll(std::FILE* f)
{
    std::rewind(f);
    std::string out;
    char buffer[256];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
        out.append(buffer, n);
    }
    return out;
}

TEST(ConsoleUser, MessagesAreParagraphsAndQuestionsAnsweredNo)
{
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    ConsoleUser user(out);
    EXPECT_EQ(user.ShowMessage(IDS_BUILD_FAILED, "a.txt", MessageIcon::Exclamation, MessageButtons::Ok),
              Answer::Ok);
    EXPECT_EQ(user.ShowMessage(IDS_PLAN_NOT_SAVED, "a.pln", MessageIcon::Question,
                               MessageButtons::YesNoCancel),
              Answer::No);
    EXPECT_EQ(ReadAll(out),
              "Failed to build Flight-Plan from file a.txt\n\n"
              "Flight-Plan a.pln not saved yet!\nDo you want to save it?\n(answered No)\n\n");
    std::fclose(out);
}

TEST(ConsoleMainWindow, PostedCommandsRunAfterTheCurrentOne)
{
    ConsoleMainWindow window;
    std::vector<int> ran;
    window.SetCommandHandler([&](int id) -> std::intptr_t {
        ran.push_back(id);
        if (id == IDM_OPEN) {
            window.PostCommand(IDC_BUILD);
        }
        return id == IDM_SAVE ? 1 : 0;
    });
    EXPECT_EQ(window.SendCommand(IDM_SAVE), 1);
    window.PostCommand(IDM_OPEN);
    EXPECT_EQ(ran, std::vector<int>{IDM_SAVE});
    window.RunPostedCommands();
    EXPECT_EQ(ran, (std::vector<int>{IDM_SAVE, IDM_OPEN, IDC_BUILD}));
}

TEST(ConsoleConfig, DefaultFileInTheUsersConfigurationFolder)
{
    EXPECT_EQ(DefaultConfigPath("/home/pilot/.cfg", "/home/pilot"), "/home/pilot/.cfg/Routewright.cfg");
    // A relative XDG_CONFIG_HOME is to be ignored.
    EXPECT_EQ(DefaultConfigPath("relative", "/home/pilot"), "/home/pilot/.config/Routewright.cfg");
    EXPECT_EQ(DefaultConfigPath(nullptr, "/home/pilot"), "/home/pilot/.config/Routewright.cfg");
    EXPECT_EQ(DefaultConfigPath(nullptr, nullptr), "Routewright.cfg");
}

}  // namespace
}  // namespace rw
