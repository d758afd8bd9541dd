// What the program's flows work with: the application state and the
// platform they talk to. The Windows program, the command-line program and
// the tests each make one.
#pragma once

#include "platform/file_dialogs.h"
#include "platform/main_window.h"
#include "platform/system.h"
#include "platform/user.h"
#include "shell/app_state.h"

namespace rw {

struct Context {
    AppState& state;
    User& user;
    MainWindow& window;
    FileDialogs& dialogs;
    System& system;
};

}  // namespace rw
