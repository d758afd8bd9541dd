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
#include "fakes/fake_context.h"
#include "plan_fixture.h"

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

// The fixture route in a context of fakes, and a folder of the test's own.
class ExportTest : public testing::Test, protected FakeContext {
protected:
    void SetUp() override
    {
        folder = MakeTestFolder("rw_export_");
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
};

}  // namespace rw::test
