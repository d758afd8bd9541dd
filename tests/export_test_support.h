// What the export tests share: a context of fakes over a fresh state, a
// folder of their own for the plans, and reading files back.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "export/plan_writer.h"
#include "fakes/fake_main_window.h"
#include "fakes/fake_platform.h"
#include "fakes/scripted_file_dialogs.h"
#include "fakes/scripted_user.h"
#include "plan_fixture.h"
#include "shell/context.h"

namespace rw::test {

// A sink in memory.
class MemorySink : public PlanSink {
public:
    std::string bytes;

protected:
    bool Take(const char* data, std::size_t size) override
    {
        bytes.append(data, size);
        return true;
    }
};

inline std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// The message numbers shown, in order.
inline std::vector<int> ShownIds(const ScriptedUser& user)
{
    std::vector<int> ids;
    for (const ShownMessage& m : user.shown) {
        ids.push_back(m.textId);
    }
    return ids;
}

// The fixture route in a context of fakes, and a folder of the test's own.
class ExportTest : public testing::Test {
protected:
    void SetUp() override
    {
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("rw_export_") + info->test_suite_name() + "_" + info->name();
        std::replace(name.begin(), name.end(), '/', '_');
        folder = std::filesystem::path(testing::TempDir()) / name;
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        state.appName = "Routewright";
        FillPlanFixture(state, window);
    }
    void TearDown() override
    {
        if (!HasFailure()) {
            std::filesystem::remove_all(folder);
        }
    }

    // The path of a file in the test's folder, as the program's texts hold it.
    std::string In(const std::string& relative) const { return (folder / relative).string(); }

    // The file names in folder (or a folder below it), sorted.
    std::vector<std::string> FilesIn(const std::string& relative = "") const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder / relative)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path folder;
    AppState state;
    ScriptedUser user;
    FakeMainWindow window;
    ScriptedFileDialogs dialogs;
    FakeSystem system;
    Context context{state, user, window, dialogs, system};
};

}  // namespace rw::test
