// The command-line program's system queries.
#include "console/console_platform.h"

#include <climits>
#include <unistd.h>

namespace rw {

std::string DefaultConfigPath(const char* xdgConfigHome, const char* home)
{
    if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
        return std::string(xdgConfigHome) + "/Routewright.cfg";
    }
    if (home != nullptr && home[0] != '\0') {
        return std::string(home) + "/.config/Routewright.cfg";
    }
    return "Routewright.cfg";
}

std::string ConsoleSystem::ProgramPath()
{
    char path[PATH_MAX] = {};
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? std::string(path, static_cast<std::size_t>(n)) : std::string();
}

std::string ConsoleSystem::CurrentFolder()
{
    char folder[PATH_MAX] = {};
    return ::getcwd(folder, sizeof folder) ? std::string(folder) : std::string();
}

}  // namespace rw
