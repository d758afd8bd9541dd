// routewright: the command-line program.
#include <cstdio>
#include <cstring>

#include "common/texts.h"
#include "resources/resource.h"

namespace {

void PrintUsage(std::FILE* out)
{
    std::fprintf(out,
                 "Usage: routewright [--config FILE] PLAN...\n"
                 "Converts FliteStar/FliteMap \"Generic Text\" flight plans into the plan\n"
                 "formats switched on in the configuration file.\n"
                 "\n"
                 "  --config FILE  settings to use (default: Routewright.cfg in the\n"
                 "                 user's configuration folder)\n"
                 "  --help         show this text\n"
                 "  --version      show the program's version\n");
}

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            PrintUsage(stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", rw::LoadText(IDS_APP_NAME), RW_VERSION_TEXT);
            return 0;
        }
    }
    std::fprintf(stderr,
                 "routewright: converting plans is not available in this version yet;\n"
                 "the Windows program Routewright.exe shows the main window.\n");
    PrintUsage(stderr);
    return 2;
}
