// Control state of the command-line program's window model.
#include "console/console_main_window.h"

namespace rw {

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
