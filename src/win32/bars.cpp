// The menu bar of the main dialog.
#include "win32/bars.h"

#include "resources/resource.h"

namespace rw {

void ApplyMenuOption(Win32Shell& shell, HWND dialog)
{
    const bool show = shell.state.settings.Startup.Menuoption != 0;
    SetMenu(dialog, show ? shell.mainMenu : nullptr);
    CheckMenuItem(shell.mainMenu, IDM_MENU_BAR, MF_BYCOMMAND | (show ? MF_CHECKED : MF_UNCHECKED));
    const int menuHeight = GetSystemMetrics(SM_CYMENU);
    RECT outer;
    GetWindowRect(dialog, &outer);
    MoveWindow(dialog, outer.left, outer.top, outer.right - outer.left,
               outer.bottom - outer.top + (show ? menuHeight : -menuHeight), TRUE);
    if (shell.statusBar != nullptr && IsWindowVisible(shell.statusBar)) {
        SendMessageA(shell.statusBar, WM_SIZE, 0, 0);
    }
}

}  // namespace rw
