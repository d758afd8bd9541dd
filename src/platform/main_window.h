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
    // The commands that need a built route: the Details button, the Print
    // menu item and, with toolbar set, their toolbar buttons.
    virtual void EnableRouteCommands(bool enabled, bool toolbar) = 0;

    // The status bar's text, shown only while the status bar is; "" is its
    // idle text.
    virtual void SetStatusText(std::string_view text) = 0;
    // The wait cursor during long work, the arrow after it.
    virtual void SetWaitCursor(bool wait) = 0;
    // The busy animation: shown and playing in a loop, or stopped and hidden.
    virtual void ShowBusyAnimation() = 0;
    virtual void HideBusyAnimation() = 0;

    // The sorted drop-down lists (the runway lists), by identifier. Entries
    // take their place in the sorted order as they are added; indexes are
    // positions in that order.
    virtual void ClearList(int listId) = 0;
    // The index the entry took, or -1 when the list refused it.
    [[nodiscard]] virtual int AddListEntry(int listId, std::string_view text) = 0;
    virtual int ListCount(int listId) const = 0;
    // False when index is not one of the list's entries.
    [[nodiscard]] virtual bool ListEntry(int listId, int index, std::string& text) const = 0;
    // An index beyond the list selects nothing.
    virtual void SelectListEntry(int listId, int index) = 0;
    // The selected index, or -1 when nothing is selected.
    virtual int SelectedListEntry(int listId) const = 0;
    // Switches the list's redrawing off while it is filled, and on again.
    virtual void SetListRedraw(int listId, bool on) = 0;

    // Queues the command to run after the current one has returned.
    virtual void PostCommand(int commandId) = 0;
    // Runs the command at once and gives its result.
    virtual std::intptr_t SendCommand(int commandId) = 0;
};

}  // namespace rw
