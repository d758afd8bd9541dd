// Runs the Windows implementations of the platform interfaces on their own,
// under Wine, for the tests: the registry's simulator folder and the
// private-profile services.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "profile_script.h"
#include "settings/simulator_folder.h"
#include "win32/win32_platform.h"

namespace {

int FindSimulator()
{
    rw::Win32Registry registry;
    rw::PathText folder;
    if (!rw::FindSimulatorFolder(registry, folder)) {
        std::printf("none\n");
        return 0;
    }
    std::printf("%s\n", folder.c_str());
    return 0;
}

// Writes the start file at path, runs the sequence through the system's
// private-profile services and prints the answers.
int ProfileScript(const char* path)
{
    std::FILE* f = std::fopen(path, "wb");
    if (f == nullptr) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return 1;
    }
    std::fputs(rw::test::kProfileScriptStart, f);
    std::fclose(f);
    rw::AppState state;
    state.configFileName = path;
    rw::Win32Profile profile(state);
    std::fputs(rw::test::RunProfileScript(profile).c_str(), stdout);
    // Let the system write its cached copy of the file.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "find-simulator") == 0) return FindSimulator();
    if (argc > 2 && std::strcmp(argv[1], "profile-script") == 0) return ProfileScript(argv[2]);
    std::fprintf(stderr, "usage: rwprobe find-simulator | profile-script FILE\n");
    return 2;
}
