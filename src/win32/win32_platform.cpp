// Profile, registry, system, folder picker and help viewer on Windows.
#include "win32/win32_platform.h"

#include <shlobj.h>

#include <cstdint>
#include <string>

namespace rw {
namespace {

// The HTML Help commands, as the HTML Help control numbers them.
constexpr UINT kHhDisplayTopic = 0x0000;
constexpr UINT kHhTpHelpContextMenu = 0x0010;
constexpr UINT kHhTpHelpWmHelp = 0x0011;
constexpr UINT kHhCloseAll = 0x0012;

}  // namespace

int Win32Profile::ReadInt(std::string_view section, std::string_view key, int defaultValue)
{
    return static_cast<int>(GetPrivateProfileIntA(std::string(section).c_str(),
                                                  std::string(key).c_str(), defaultValue,
                                                  state_.configFileName.c_str()));
}

std::string Win32Profile::ReadString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue)
{
    char buffer[260] = {};
    const DWORD n = GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                             std::string(defaultValue).c_str(), buffer,
                                             sizeof buffer, state_.configFileName.c_str());
    return std::string(buffer, n);
}

bool Win32Profile::WriteString(std::string_view section, std::string_view key,
                               std::string_view value)
{
    return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                      std::string(value).c_str(),
                                      state_.configFileName.c_str()) != FALSE;
}

bool Win32Registry::ReadMachineValue(std::string_view key, std::string_view value,
                                     std::string& text)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, std::string(key).c_str(), 0, KEY_READ, &opened) !=
        ERROR_SUCCESS) {
        return false;
    }
    char buffer[1024] = {};
    DWORD size = sizeof buffer;
    const LONG status = RegQueryValueExA(opened, std::string(value).c_str(), nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(opened);
    if (status != ERROR_SUCCESS) {
        return false;
    }
    // The bytes are text up to their first zero, whatever the value's type.
    std::size_t length = 0;
    while (length < size && buffer[length] != '\0') {
        ++length;
    }
    text.assign(buffer, length);
    return true;
}

std::string Win32System::ProgramPath()
{
    char path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, n < sizeof path ? n : 0);
}

std::string Win32System::CurrentFolder()
{
    char folder[MAX_PATH] = {};
    const DWORD n = GetCurrentDirectoryA(sizeof folder, folder);
    return std::string(folder, n < sizeof folder ? n : 0);
}

std::string Win32System::LongDate(std::int64_t unixSeconds)
{
    // FILETIME counts 100-nanosecond steps from 1601.
    constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;
    constexpr std::int64_t kStepsPerSecond = 10000000;
    if (unixSeconds < -kSecondsFrom1601To1970 ||
        unixSeconds > INT64_MAX / kStepsPerSecond - kSecondsFrom1601To1970) {
        return std::string();
    }
    const auto steps =
        static_cast<std::uint64_t>((unixSeconds + kSecondsFrom1601To1970) * kStepsPerSecond);
    FILETIME moment = {};
    moment.dwLowDateTime = static_cast<DWORD>(steps);
    moment.dwHighDateTime = static_cast<DWORD>(steps >> 32);
    SYSTEMTIME universal = {};
    SYSTEMTIME local = {};
    if (!FileTimeToSystemTime(&moment, &universal) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
        return std::string();
    }
    char text[256] = {};
    const int n =
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, &local, nullptr, text, sizeof text);
    return n > 0 ? std::string(text) : std::string();
}

bool Win32System::RenameOver(const std::string& from, const std::string& to)
{
    // The ANSI call takes the names as the C library's fopen took them.
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

bool Win32System::StoredFileName(const std::string& path, std::string& name)
{
    WIN32_FIND_DATAA found = {};
    const HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(search);
    name = found.cFileName;
    return true;
}

FolderChoice Win32FolderPicker::ChooseFolder(std::string_view prompt, std::string& folder)
{
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator)) || allocator == nullptr) {
        return FolderChoice::Unavailable;
    }
    const std::string title(prompt);
    BROWSEINFOA info = {};
    info.hwndOwner = *owner_;
    info.pidlRoot = nullptr;  // the desktop: the whole shell namespace
    info.lpszTitle = title.c_str();
    info.ulFlags = 0;
    FolderChoice choice = FolderChoice::Cancelled;
    if (LPITEMIDLIST chosen = SHBrowseForFolderA(&info)) {
        char path[MAX_PATH] = {};
        if (SHGetPathFromIDListA(chosen, path)) {
            folder = path;
            choice = FolderChoice::Chosen;
        } else {
            choice = FolderChoice::NoFolderPath;
        }
        allocator->Free(chosen);
    }
    allocator->Release();
    return choice;
}

Win32HelpViewer::~Win32HelpViewer()
{
    if (library_ != nullptr) {
        FreeLibrary(library_);
    }
}

void Win32HelpViewer::CallHtmlHelp(WindowHandle window, const std::string& file,
                               HtmlHelpCommand command, const HelpTopic* table)
{
    if (!triedLoading_) {
        triedLoading_ = true;
        library_ = LoadLibraryA("hhctrl.ocx");
        if (library_ != nullptr) {
            htmlHelp_ = reinterpret_cast<HtmlHelpFunction>(
                reinterpret_cast<void*>(GetProcAddress(library_, "HtmlHelpA")));
        }
    }
    if (htmlHelp_ == nullptr) {
        return;
    }
    UINT code = kHhDisplayTopic;
    switch (command) {
    case HtmlHelpCommand::DisplayTopic: code = kHhDisplayTopic; break;
    case HtmlHelpCommand::PopupForControl: code = kHhTpHelpWmHelp; break;
    case HtmlHelpCommand::ContextMenuForControl: code = kHhTpHelpContextMenu; break;
    case HtmlHelpCommand::CloseAll: code = kHhCloseAll; break;
    }
    htmlHelp_(reinterpret_cast<HWND>(window), file.empty() ? nullptr : file.c_str(), code,
              reinterpret_cast<DWORD_PTR>(table));
}

void Win32HelpViewer::CallWinHelp(WindowHandle window, const std::string& file,
                              WinHelpCommand command, const HelpTopic* table)
{
    UINT code = HELP_CONTENTS;
    switch (command) {
    case WinHelpCommand::Contents: code = HELP_CONTENTS; break;
    case WinHelpCommand::HelpOnHelp: code = HELP_HELPONHELP; break;
    case WinHelpCommand::PopupForControl: code = HELP_WM_HELP; break;
    case WinHelpCommand::ContextMenuForControl: code = HELP_CONTEXTMENU; break;
    case WinHelpCommand::Quit: code = HELP_QUIT; break;
    }
    WinHelpA(reinterpret_cast<HWND>(window), file.empty() ? nullptr : file.c_str(), code,
             reinterpret_cast<ULONG_PTR>(table));
}

}  // namespace rw
