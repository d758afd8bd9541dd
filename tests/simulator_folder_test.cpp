// The simulator's folder from its two registry locations.
#include "settings/simulator_folder.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace rw {
namespace {

constexpr const char* kFs7 = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0";
constexpr const char* kFs8 = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0";

TEST(FindSimulatorFolder, TriesTheLocationsInOrder)
{
    struct Case {
        const char* what;
        std::map<std::pair<std::string, std::string>, std::string> values;
        bool found;
        const char* folder;
    };
    const Case cases[] = {
        {"both: the first wins", {{{kFs7, "path"}, "C:\\FS2000"}, {{kFs8, "EXE Path"}, "C:\\FS2002"}}, true, "C:\\FS2000"},
        {"only the second", {{{kFs8, "EXE Path"}, "C:\\FS2002"}}, true, "C:\\FS2002"},
        {"first key without its value", {{{kFs7, "EXE Path"}, "C:\\wrong"}, {{kFs8, "EXE Path"}, "C:\\FS2002"}}, true, "C:\\FS2002"},
        {"a folder too long is refused, not cut", {{{kFs7, "path"}, std::string(260, 'x')}, {{kFs8, "EXE Path"}, "C:\\FS2002"}}, true, "C:\\FS2002"},
        {"none", {}, false, "unchanged"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::FakeRegistry registry;
        registry.values = c.values;
        PathText folder("unchanged");
        EXPECT_EQ(FindSimulatorFolder(registry, folder), c.found);
        EXPECT_EQ(folder, c.folder);
    }
}

}  // namespace
}  // namespace rw
