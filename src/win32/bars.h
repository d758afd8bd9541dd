// The menu bar attached to or detached from the main dialog.
#pragma once

#include <windows.h>

#include "win32/shell.h"

namespace rw {

// Attaches or detaches the menu bar by the Menuoption setting; the outer
// height changes by one menu bar so the controls keep their places.
void ApplyMenuOption(Win32Shell& shell, HWND dialog);

}  // namespace rw
