// The Windows program's process-wide shell state: the handles of its windows,
// menus and graphics, beside the portable application state.
#pragma once

#include <windows.h>

#include "shell/app_state.h"
#include "shell/context.h"
#include "shell/commands.h"
#include "shell/help.h"
#include "win32/win32_file_dialogs.h"
#include "win32/win32_main_window.h"
#include "win32/win32_platform.h"
#include "win32/win32_route_tree.h"
#include "win32/win32_user.h"

namespace rw {

struct Win32Shell {
    explicit Win32Shell(AppState& appState)
        : state(appState), user(appState), window(*this), profile(appState),
          folderPicker(&mainDialog), fileDialogs(*this), help(helpViewer, appState),
          context{appState, user, window, fileDialogs, system},
          routeTreeView(&routeTree, &appInstance), legTabs(&tabControl, &appInstance),
          views{routeTreeView, legTabs, {}}
    {
    }

    AppState& state;
    Win32User user;            // message boxes owned by the main dialog
    Win32MainWindow window;    // the main dialog's controls for the logic
    Win32Profile profile;
    Win32Registry registry;
    Win32System system;
    Win32FolderPicker folderPicker;
    Win32FileDialogs fileDialogs;  // common file dialogs owned by the main dialog
    Win32HelpViewer helpViewer;
    Help help;
    Context context;  // what the portable flows work with
    Win32RouteTree routeTreeView;
    Win32LegTabs legTabs;
    RouteViews views;  // the tree and tabs for the route commands

    HINSTANCE appInstance = nullptr;
    HWND mainDialog = nullptr;
    HMENU mainMenu = nullptr;
    HACCEL accelTable = nullptr;
    HWND tabControl = nullptr;
    HWND routeTree = nullptr;
    HWND toolbarWindow = nullptr;
    HWND statusBar = nullptr;
    HWND tooltipWindow = nullptr;
    HHOOK messageHook = nullptr;
    HWND progressDialog = nullptr;
    HWND progressBar = nullptr;

    HFONT boldFont = nullptr;
    HBRUSH routeTextBrush = nullptr;
    HICON openIcon = nullptr;
    HICON saveAsIcon = nullptr;
    HBITMAP menuBitmaps[10] = {};

    // The view: the initialisation flips it once, so the program starts normal.
    bool extendedView = true;
    int extendedWidth = 0;
    int normalWidth = 0;
    int viewHeight = 0;

    // The command-line batch closed the main dialog during its creation.
    bool closedByBatch = false;
};

// Window procedures of registered classes take no parameter of ours; they
// reach the one shell of the process through this.
Win32Shell& TheShell();
void BindShell(Win32Shell* shell);

}  // namespace rw
