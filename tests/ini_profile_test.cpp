// The command-line program's INI file.
#include "console/ini_profile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

#include <gtest/gtest.h>

namespace rw {
namespace {

namespace fs = std::filesystem;

class IniProfileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("rw-ini-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "Routewright.cfg").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    void WriteFile(const std::string& text)
    {
        std::ofstream(path_, std::ios::binary) << text;
    }
    std::string ReadFile() const
    {
        std::ifstream in(path_, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    fs::path dir_;
    std::string path_;
};

TEST_F(IniProfileTest, ReadsByNameWithoutRegardToCase)
{
    WriteFile("[Startup]\r\nMenuoption=0\r\n  Autogen = 2  \r\n[DefRouteType]\r\nRoutetype=3\r\n"
              "[SrceFile]\r\nPathname=\"C:\\Plans\\a b.txt\"\r\nFilename=\r\n");
    IniProfile profile(path_);
    EXPECT_EQ(profile.ReadInt("startup", "MENUOPTION", 1), 0);
    EXPECT_EQ(profile.ReadInt("Startup", "autogen", 0), 2);
    EXPECT_EQ(profile.ReadInt("DEFROUTETYPE", "routetype", 1), 3);
    EXPECT_EQ(profile.ReadInt("Startup", "Toolbar", 1), 1);
    EXPECT_EQ(profile.ReadString("SrceFile", "Pathname", "x"), "C:\\Plans\\a b.txt");
    EXPECT_EQ(profile.ReadString("SrceFile", "Filename", "x"), "");
    EXPECT_EQ(profile.ReadString("SrceFile", "Missing", "default  "), "default");
    EXPECT_EQ(profile.ReadInt("SrceFile", "Filename", 7), 7);  // empty reads as the default
}

TEST_F(IniProfileTest, NumbersAreReadAsTheSystemReadsThem)
{
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {{"12", 12}, {"  -3", -3}, {"+4", 4}, {"0x1F", 31}, {"12abc", 12},
                          {"abc", 0}, {"0b101", 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ProfileInteger(c.text), c.value);
    }
}

TEST_F(IniProfileTest, TheFirstWriteCreatesTheFile)
{
    IniProfile profile(path_);
    EXPECT_EQ(profile.ReadString("DestFile", "Pathname", "none"), "none");
    ASSERT_TRUE(profile.WriteString("DestFile", "Pathname", "C:\\out\\LSZH-LSGG.pln"));
    EXPECT_EQ(ReadFile(), "[DestFile]\r\nPathname=C:\\out\\LSZH-LSGG.pln\r\n");
    EXPECT_EQ(profile.ReadString("destfile", "pathname", ""), "C:\\out\\LSZH-LSGG.pln");
}

TEST_F(IniProfileTest, AWriteChangesOnlyItsKey)
{
    WriteFile("; settings of Routewright\n[Startup]\nMenuoption=1\nunknown line\n\n"
              "[Other]\nKey = kept as it was\n");
    IniProfile profile(path_);
    ASSERT_TRUE(profile.WriteString("STARTUP", "menuoption", "0"));
    ASSERT_TRUE(profile.WriteString("Startup", "FilterIndex", "3"));
    ASSERT_TRUE(profile.WriteString("Startup", "FilterIndex", "4"));
    ASSERT_TRUE(profile.WriteString("New", "Value", "with blanks in it"));
    EXPECT_EQ(ReadFile(),
              "; settings of Routewright\n[Startup]\nMenuoption=0\nunknown line\nFilterIndex=4\n\n"
              "[Other]\nKey = kept as it was\n[New]\nValue=with blanks in it\n");
    // Nothing is left beside the file.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_)) {
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST_F(IniProfileTest, LineBreaksInAValueAreRefused)
{
    WriteFile("[Startup]\r\nMenuoption=1\r\n");
    IniProfile profile(path_);
    EXPECT_FALSE(profile.WriteString("Startup", "Menuoption", "0\r\n[Evil]"));
    EXPECT_EQ(ReadFile(), "[Startup]\r\nMenuoption=1\r\n");
}

TEST_F(IniProfileTest, AFailedWriteLeavesTheFileWhole)
{
    WriteFile("[Startup]\r\nMenuoption=1\r\n");
    // A folder where the new file would go makes the write fail.
    fs::create_directories(path_ + ".tmp" + std::to_string(::getpid()));
    IniProfile profile(path_);
    EXPECT_FALSE(profile.WriteString("Startup", "Menuoption", "0"));
    EXPECT_EQ(ReadFile(), "[Startup]\r\nMenuoption=1\r\n");
}

}  // namespace
}  // namespace rw
