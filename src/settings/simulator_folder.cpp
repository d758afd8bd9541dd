// Finding the flight simulator's folder.
#include "settings/simulator_folder.h"

#include <string>

namespace rw {
namespace {

struct Location {
    const char* key;
    const char* value;
};

constexpr Location kLocations[] = {
    {"SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0", "path"},
    {"SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0", "EXE Path"},
};

}  // namespace

bool FindSimulatorFolder(Registry& registry, PathText& folder)
{
    for (const Location& at : kLocations) {
        std::string text;
        if (!registry.ReadMachineValue(at.key, at.value, text)) {
            continue;
        }
        // A cut folder would be a wrong folder: a value too long for the
        // settings is passed over like a missing one.
        if (text.size() > PathText::capacity) {
            continue;
        }
        folder = text;
        return true;
    }
    return false;
}

}  // namespace rw
