// The Windows implementations of the smaller platform interfaces: the
// private profile, the registry, the system, the folder picker and help.
#pragma once

#include <windows.h>

#include "platform/folder_picker.h"
#include "platform/help_viewer.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "shell/app_state.h"

namespace rw {

// The private-profile services with the bare configuration file name, so
// the file lives where Windows keeps such files.
class Win32Profile : public Profile {
public:
    explicit Win32Profile(const AppState& state) : state_(state) {}
    int ReadInt(std::string_view section, std::string_view key, int defaultValue) override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) override;
    [[nodiscard]] bool WriteString(std::string_view section, std::string_view key,
                                   std::string_view value) override;

private:
    const AppState& state_;
};

class Win32Registry : public Registry {
public:
    [[nodiscard]] bool ReadMachineValue(std::string_view key, std::string_view value,
                                        std::string& text) override;
};

class Win32System : public System {
public:
    std::string ProgramPath() override;
    std::string CurrentFolder() override;
    // The system's date formatting with the user's locale and its long date.
    std::string LongDate(std::int64_t unixSeconds) override;
    [[nodiscard]] bool RenameOver(const std::string& from, const std::string& to) override;
    [[nodiscard]] bool StoredFileName(const std::string& path, std::string& name) override;
};

// The shell's folder picker, owned by the main dialog.
class Win32FolderPicker : public FolderPicker {
public:
    explicit Win32FolderPicker(const HWND* owner) : owner_(owner) {}
    FolderChoice ChooseFolder(std::string_view prompt, std::string& folder) override;

private:
    const HWND* owner_;
};

// HTML Help through hhctrl.ocx, loaded when first needed; WinHelp.
class Win32HelpViewer : public HelpViewer {
public:
    ~Win32HelpViewer() override;
    void CallHtmlHelp(WindowHandle window, const std::string& file, HtmlHelpCommand command,
                  const HelpTopic* table) override;
    void CallWinHelp(WindowHandle window, const std::string& file, WinHelpCommand command,
                 const HelpTopic* table) override;

private:
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    HMODULE library_ = nullptr;
    HtmlHelpFunction htmlHelp_ = nullptr;
    bool triedLoading_ = false;
};

}  // namespace rw
