// The command-line program's INI file answers as the system's
// private-profile services do: the expected answers and file were made by
// running the same sequence through them (under Wine), which a GUI-side test
// repeats on every run.
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "console/ini_profile.h"
#include "profile_script.h"

namespace rw {
namespace {

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(ProfileDifferential, SameAnswersAndSameFileAsTheSystem)
{
    const std::filesystem::path data = RW_TEST_DATA_DIR "/profile";
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "rw-profile-differential.cfg";
    {
        std::ofstream out(file, std::ios::binary);
        out << test::kProfileScriptStart;
    }
    IniProfile profile(file.string());
    EXPECT_EQ(test::RunProfileScript(profile), ReadAll(data / "transcript.txt"));
    EXPECT_EQ(ReadAll(file), ReadAll(data / "final.ini"));
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace rw
