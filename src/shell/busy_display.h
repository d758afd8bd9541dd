// The main window's busy display around long work: the animation, the wait
// cursor and a status text, put back on every way out.
#pragma once

#include <string_view>

#include "platform/main_window.h"

namespace rw {

class BusyDisplay {
public:
    // Only puts the display back when it goes.
    explicit BusyDisplay(MainWindow& window) : window_(window) {}
    // Shows the animation, the wait cursor and status first.
    BusyDisplay(MainWindow& window, std::string_view status) : window_(window)
    {
        window_.ShowBusyAnimation();
        window_.SetWaitCursor(true);
        window_.SetStatusText(status);
    }
    ~BusyDisplay()
    {
        window_.SetWaitCursor(false);
        window_.HideBusyAnimation();
        window_.SetStatusText("");
    }
    BusyDisplay(const BusyDisplay&) = delete;
    BusyDisplay& operator=(const BusyDisplay&) = delete;

private:
    MainWindow& window_;
};

}  // namespace rw
