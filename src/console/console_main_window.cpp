// Control state of the command-line program's window model.
#include "console/console_main_window.h"

#include "resources/resource.h"

namespace rw {

void ConsoleMainWindow::SetText(int controlId, std::string_view text)
{
    texts_[controlId] = text;
    if (changed_) {
        changed_(controlId);
    }
}

std::string ConsoleMainWindow::Text(int controlId) const
{
    const auto it = texts_.find(controlId);
    return it == texts_.end() ? std::string() : it->second;
}

bool ConsoleMainWindow::IsChecked(int buttonId) const
{
    const auto it = checked_.find(buttonId);
    return it != checked_.end() && it->second;
}

bool ConsoleMainWindow::IsEnabled(int controlId) const
{
    const auto it = enabled_.find(controlId);
    return it == enabled_.end() || it->second;
}

void ConsoleMainWindow::EnableRouteCommands(bool enabled, bool)
{
    enabled_[IDC_DETAILS] = enabled;
}

int ConsoleMainWindow::AddListEntry(int listId, std::string_view text)
{
    return lists_[listId].Add(text);
}

int ConsoleMainWindow::ListCount(int listId) const
{
    const auto it = lists_.find(listId);
    return it == lists_.end() ? 0 : it->second.Count();
}

bool ConsoleMainWindow::ListEntry(int listId, int index, std::string& text) const
{
    const auto it = lists_.find(listId);
    return it != lists_.end() && it->second.Entry(index, text);
}

int ConsoleMainWindow::SelectedListEntry(int listId) const
{
    const auto it = lists_.find(listId);
    return it == lists_.end() ? -1 : it->second.selected;
}

std::intptr_t ConsoleMainWindow::SendCommand(int commandId)
{
    return handler_ ? handler_(commandId) : 0;
}

void ConsoleMainWindow::RunPostedCommands()
{
    // A bound keeps a command that posts itself again from running forever.
    for (int runs = 0; !posted_.empty() && runs < 1000; ++runs) {
        const int commandId = posted_.front();
        posted_.pop_front();
        SendCommand(commandId);
    }
    posted_.clear();
}

}  // namespace rw
