// The main window of the command-line program: there is no window, only the
// state of its controls, and commands run by a handler the program sets.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>

#include "common/list_order.h"
#include "platform/main_window.h"

namespace rw {

class ConsoleMainWindow : public MainWindow {
public:
    using CommandHandler = std::function<std::intptr_t(int commandId)>;
    using ChangeHandler = std::function<void(int controlId)>;

    void SetCommandHandler(CommandHandler handler) { handler_ = std::move(handler); }
    // Told when the text of a control changes, as an edit field notifies
    // its dialog also when the program writes it.
    void SetChangeHandler(ChangeHandler handler) { changed_ = std::move(handler); }

    void SetCaption(std::string_view caption) override { caption_ = caption; }
    const std::string& Caption() const { return caption_; }

    void SetText(int controlId, std::string_view text) override;
    std::string Text(int controlId) const override;

    bool IsChecked(int buttonId) const override;
    void SetChecked(int buttonId, bool checked) override { checked_[buttonId] = checked; }

    void Enable(int controlId, bool enabled) override { enabled_[controlId] = enabled; }
    bool IsEnabled(int controlId) const;
    // Only the Details button: there is no menu or toolbar.
    void EnableRouteCommands(bool enabled, bool toolbar) override;

    // No status bar, cursor or animation on a terminal.
    void SetStatusText(std::string_view) override {}
    void SetWaitCursor(bool) override {}
    void ShowBusyAnimation() override {}
    void HideBusyAnimation() override {}

    void ClearList(int listId) override { lists_[listId].Clear(); }
    [[nodiscard]] int AddListEntry(int listId, std::string_view text) override;
    int ListCount(int listId) const override;
    [[nodiscard]] bool ListEntry(int listId, int index, std::string& text) const override;
    void SelectListEntry(int listId, int index) override { lists_[listId].Select(index); }
    int SelectedListEntry(int listId) const override;
    // Nothing is drawn on a terminal.
    void SetListRedraw(int, bool) override {}

    void PostCommand(int commandId) override { posted_.push_back(commandId); }
    std::intptr_t SendCommand(int commandId) override;

    // Runs the posted commands in order, also those they post, as the message
    // loop of the Windows program would.
    void RunPostedCommands();

private:
    CommandHandler handler_;
    ChangeHandler changed_;
    std::string caption_;
    std::map<int, std::string> texts_;
    std::map<int, bool> checked_;
    std::map<int, bool> enabled_;
    std::map<int, SortedList> lists_;
    std::deque<int> posted_;
};

}  // namespace rw
