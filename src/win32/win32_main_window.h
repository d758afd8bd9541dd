// The main dialog's controls for the logic, by identifier.
#pragma once

#include "platform/main_window.h"

namespace rw {

struct Win32Shell;

class Win32MainWindow : public MainWindow {
public:
    explicit Win32MainWindow(Win32Shell& shell) : shell_(shell) {}

    void SetCaption(std::string_view caption) override;
    void SetText(int controlId, std::string_view text) override;
    std::string Text(int controlId) const override;
    bool IsChecked(int buttonId) const override;
    void SetChecked(int buttonId, bool checked) override;
    void Enable(int controlId, bool enabled) override;
    void EnableRouteCommands(bool enabled, bool toolbar) override;
    void SetStatusText(std::string_view text) override;
    void SetWaitCursor(bool wait) override;
    void ShowBusyAnimation() override;
    void HideBusyAnimation() override;
    void ClearList(int listId) override;
    [[nodiscard]] int AddListEntry(int listId, std::string_view text) override;
    int ListCount(int listId) const override;
    [[nodiscard]] bool ListEntry(int listId, int index, std::string& text) const override;
    void SelectListEntry(int listId, int index) override;
    int SelectedListEntry(int listId) const override;
    void SetListRedraw(int listId, bool on) override;
    void PostCommand(int commandId) override;
    std::intptr_t SendCommand(int commandId) override;

private:
    Win32Shell& shell_;
};

}  // namespace rw
