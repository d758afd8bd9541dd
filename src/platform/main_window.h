// The main window as the logic sees it: its controls addressed by their
// identifiers, and its commands.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rw {

// Any window whose caption the logic sets.
class Window {
public:
    virtual ~Window() = default;
    virtual void SetCaption(std::string_view caption) = 0;
};

class MainWindow : public Window {
public:
    virtual void SetText(int controlId, std::string_view text) = 0;
    virtual std::string Text(int controlId) const = 0;

    virtual bool IsChecked(int buttonId) const = 0;
    virtual void SetChecked(int buttonId, bool checked) = 0;

    virtual void Enable(int controlId, bool enabled) = 0;

    // The status bar's text, shown only while the status bar is; "" is its
    // idle text.
    virtual void SetStatusText(std::string_view text) = 0;
    // The wait cursor during long work, the arrow after it.
    virtual void SetWaitCursor(bool wait) = 0;
    // The busy animation: shown and playing in a loop, or stopped and hidden.
    virtual void ShowBusyAnimation() = 0;
    virtual void HideBusyAnimation() = 0;

    // Queues the command to run after the current one has returned.
    virtual void PostCommand(int commandId) = 0;
    // Runs the command at once and gives its result.
    virtual std::intptr_t SendCommand(int commandId) = 0;
};

}  // namespace rw
