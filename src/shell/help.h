// The program's help: the help file's name, the main window's table of
// control help topics, and the five help operations over the two viewers.
#pragma once

#include <string>
#include <string_view>

#include "platform/help_viewer.h"
#include "shell/app_state.h"

namespace rw {

// The program's path with everything from its last "." replaced by ".chm"
// (HTML Help) or ".hlp" (WinHelp).
std::string HelpFileFor(std::string_view programPath, bool htmlHelp);

// The main window's controls and their help topics, ended by a pair of zeros.
const HelpTopic* MainDialogHelpTable();

// The topic of a control in a table ended by zeros; 0 when it has none.
std::uint32_t HelpTopicOf(const HelpTopic* table, int controlId);

class Help {
public:
    // The viewer follows the HtmlHelp setting and helpFile at each call.
    Help(HelpViewer& viewer, const AppState& state) : viewer_(viewer), state_(state) {}

    void ShowHelpContents();
    void ShowHelpOnHelp();
    // The popup of a control; nothing for a control outside the table.
    void ShowControlHelp(WindowHandle control, int controlId, const HelpTopic* table);
    // The viewer's What's-This menu for the clicked window, then its popup.
    void ShowControlHelpMenu(WindowHandle clicked, const HelpTopic* table);
    void CloseHelp();
    // Closing WinHelp, whatever the setting says (when Windows ends).
    void CloseWinHelp();

private:
    bool Html() const { return state_.settings.Startup.HtmlHelp != 0; }
    std::string File() const { return state_.helpFile.str(); }
    std::string PopupSource() const { return File() + "::/Routewright.txt"; }

    HelpViewer& viewer_;
    const AppState& state_;
};

}  // namespace rw
