// The command-line program's system queries.
#include "console/console_platform.h"

#include <climits>
#include <cstdio>
#include <ctime>
#include <string_view>
#include <locale.h>
#include <time.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/paths.h"

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

namespace {

// A formatted date without the blanks that pad its numbers.
std::string TrimDate(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == ' ' && (out.empty() || out.back() == ' ')) {
            continue;
        }
        out += c;
    }
    while (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    return out;
}

}  // namespace

std::string ConsoleSystem::LongDate(std::int64_t unixSeconds)
{
    const auto moment = static_cast<std::time_t>(unixSeconds);
    std::tm local = {};
    if (localtime_r(&moment, &local) == nullptr) {
        return std::string();
    }
    // The user's locale for this text only; the process's stays as it is.
    locale_t userLocale = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
    if (userLocale == static_cast<locale_t>(nullptr)) {
        userLocale = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(nullptr));
    }
    if (userLocale == static_cast<locale_t>(nullptr)) {
        return std::string();
    }
    char text[256] = {};
    const std::size_t n = strftime_l(text, sizeof text, "%A, %e %B %Y", &local, userLocale);
    freelocale(userLocale);
    return TrimDate(std::string_view(text, n));
}

bool ConsoleSystem::RenameOver(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool ConsoleSystem::StoredFileName(const std::string& path, std::string& name)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return false;
    }
    name = FileNamePart(path);
    return true;
}

}  // namespace rw
