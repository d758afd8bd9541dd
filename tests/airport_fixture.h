// What the airport tests share: a folder of their own for small data,
// index and preferred-runway files, and the state and fakes the lookup and
// the leg display work with.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "fakes/fake_context.h"

namespace rw::test {

// A data file's text with its index: one index line per first character,
// at the offset of the first line that starts with it, keyed with that
// line's whole identifier (only the key's first character counts).
struct AirportFiles {
    std::string data;
    std::string index;
};

inline AirportFiles MakeAirportFiles(std::initializer_list<std::string> lines)
{
    AirportFiles files;
    std::string firsts;
    for (const std::string& line : lines) {
        if (!line.empty() && firsts.find(line[0]) == std::string::npos) {
            firsts += line[0];
            files.index += line.substr(0, line.find(' ')) + " " + std::to_string(files.data.size()) + "\n";
        }
        files.data += line + "\n";
    }
    return files;
}

class AirportTest : public testing::Test, protected FakeContext {
protected:
    void SetUp() override
    {
        folder_ = MakeTestFolder("rw_airports_").string();
        UseDataFile(Path("Fsb_apts.txt"));
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string Path(const std::string& name) const { return folder_ + "/" + name; }

    void WriteFile(const std::string& path, const std::string& bytes)
    {
        std::FILE* out = std::fopen(path.c_str(), "wb");
        ASSERT_NE(out, nullptr) << path;
        ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), out), bytes.size());
        ASSERT_EQ(std::fclose(out), 0);
    }

    // The data file and, unless withIndex is false, its index beside it.
    void WriteAirportFiles(const AirportFiles& files, bool withIndex = true)
    {
        WriteFile(Path("Fsb_apts.txt"), files.data);
        if (withIndex) {
            WriteFile(Path("Fsb_apts.idx"), files.index);
        }
    }

    void WritePreferredRunways(const std::string& text) { WriteFile(Path("fsb_pref_rwy.txt"), text); }

    void UseDataFile(const std::string& path)
    {
        state.settings.AirpFile.Pathname = path;
        state.settings.AirpFile.Filename = std::filesystem::path(path).filename().string();
    }

    // Airports at both ends and the points between, with altitudes of the
    // source plan.
    void SetLeg(std::uint32_t leg, std::initializer_list<const char*> idents, double altitude = 500.0)
    {
        LegInfo& info = state.route.legInfo[leg];
        info.pointCount = static_cast<std::uint32_t>(idents.size());
        std::uint32_t i = 0;
        for (const char* ident : idents) {
            RoutePoint& p = state.route.legs[leg].points[i];
            p.ident = ident;
            p.type = (i == 0 || i + 1 == idents.size()) ? 'A' : 'V';
            p.name = p.type == 'A' ? "" : ident;
            p.altitude = altitude;
            ++i;
        }
        if (leg >= state.route.legCount) {
            state.route.legCount = leg + 1;
        }
    }

private:
    std::string folder_;
};

}  // namespace rw::test
