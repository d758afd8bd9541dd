// The command-line program's implementations of the smaller platform
// interfaces: there is no registry, no folder picker and no help viewer.
#pragma once

#include <cstdint>
#include <string>

#include "platform/folder_picker.h"
#include "platform/help_viewer.h"
#include "platform/registry.h"
#include "platform/system.h"

namespace rw {

// The command-line program's configuration file when none is named:
// Routewright.cfg in the user's configuration folder ($XDG_CONFIG_HOME, else
// ~/.config), or in the current folder when neither is known.
std::string DefaultConfigPath(const char* xdgConfigHome, const char* home);

class ConsoleRegistry : public Registry {
public:
    [[nodiscard]] bool ReadMachineValue(std::string_view, std::string_view, std::string&) override
    {
        return false;
    }
};

class ConsoleSystem : public System {
public:
    std::string ProgramPath() override;
    std::string CurrentFolder() override;
    // The locale's weekday and month names in a long form, such as
    // "Thursday, 1 February 2024".
    std::string LongDate(std::int64_t unixSeconds) override;
    [[nodiscard]] bool RenameOver(const std::string& from, const std::string& to) override;
    // The file system here keeps one name a file: the path's own.
    [[nodiscard]] bool StoredFileName(const std::string& path, std::string& name) override;
};

// Nothing to pick with on a terminal: the answer is "nothing chosen".
class ConsoleFolderPicker : public FolderPicker {
public:
    FolderChoice ChooseFolder(std::string_view, std::string&) override
    {
        return FolderChoice::Cancelled;
    }
};

class ConsoleHelpViewer : public HelpViewer {
public:
    void CallHtmlHelp(WindowHandle, const std::string&, HtmlHelpCommand, const HelpTopic*) override {}
    void CallWinHelp(WindowHandle, const std::string&, WinHelpCommand, const HelpTopic*) override {}
};

}  // namespace rw
