// What the tests of the program's flows start from: a context of fakes over
// a fresh application state, and a folder of the running test's own.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/fake_main_window.h"
#include "fakes/fake_platform.h"
#include "fakes/scripted_file_dialogs.h"
#include "fakes/scripted_user.h"
#include "shell/context.h"

namespace rw::test {

struct FakeContext {
    FakeContext() { state.appName = "Routewright"; }

    // The numbers of the messages shown, in order.
    std::vector<int> MessageIds() const { return ShownIds(user); }

    AppState state;
    ScriptedUser user;
    FakeMainWindow window;
    ScriptedFileDialogs dialogs;
    FakeSystem system;
    Context context{state, user, window, dialogs, system};
};

// A new, empty folder for the running test. The process number keeps two
// builds' runs of the same test apart.
inline std::filesystem::path MakeTestFolder(std::string_view prefix)
{
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(prefix) + info->test_suite_name() + "_" + info->name() + "_" +
                       std::to_string(::getpid());
    std::replace(name.begin(), name.end(), '/', '_');  // parameterised names hold "/"
    const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

}  // namespace rw::test
