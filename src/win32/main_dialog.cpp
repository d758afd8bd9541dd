// The main dialog's message handler: initialisation from the settings, the
// commands, and closing.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>

#include "airports/runways.h"
#include "resources/resource.h"
#include "settings/settings.h"
#include "shell/help.h"
#include "shell/messages.h"
#include "shell/placement.h"
#include "export/naming.h"
#include "shell/commands.h"
#include "win32/bars.h"
#include "win32/batch_window.h"
#include "win32/controls.h"
#include "win32/fcf_file.h"
#include "win32/shell.h"
#include "win32/startup.h"

namespace rw {
namespace {

constexpr int kBoldControls[] = {IDC_SOURCE_GROUP,    IDC_DEST_GROUP,       IDC_DEPARTURE_GROUP,
                                 IDC_DESTINATION_GROUP, IDC_FLIGHT_TYPE_GROUP, IDC_ROUTE_TYPE_GROUP,
                                 IDC_TREE_LABEL,      IDC_CRUISE_LABEL};

struct MenuBitmap {
    int command;
    int bitmap;
};
constexpr MenuBitmap kMenuBitmaps[10] = {
    {IDM_OPEN, IDB_MENU_OPEN},         {IDM_BUILD, IDB_MENU_BUILD},
    {IDM_SAVE_AS, IDB_MENU_SAVE_AS},   {IDM_SAVE, IDB_MENU_SAVE},
    {IDM_SETTINGS, IDB_MENU_SETTINGS}, {IDM_PRINT, IDB_MENU_PRINT},
    {IDM_ABOUT, IDB_MENU_ABOUT},       {IDM_WHATS_THIS, IDB_MENU_WHATS_THIS},
    {IDM_HELP_TOPICS, IDB_MENU_HELP_TOPICS}, {IDM_HELP_ON_HELP, IDB_MENU_HELP_ON_HELP},
};

// While a menu is open, the buttons' mnemonics still work.
struct MenuCharacter {
    char character;
    int command;
};
constexpr MenuCharacter kMenuCharacters[] = {
    {'b', IDC_BUILD}, {'c', IDC_CANCEL}, {'d', IDC_DETAILS}, {'h', IDC_HELP_BUTTON}, {'s', IDC_SAVE},
};

HFONT DialogFont(HWND dialog)
{
    if (const HFONT font = reinterpret_cast<HFONT>(
            SendDlgItemMessageA(dialog, IDC_SOURCE_GROUP, WM_GETFONT, 0, 0))) {
        return font;
    }
    if (const HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT)) {
        return static_cast<HFONT>(font);
    }
    return static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
}

HANDLE LoadTransparentImage(HINSTANCE instance, int id, UINT type, int width, int height)
{
    return LoadImageA(instance, MAKEINTRESOURCEA(id), type, width, height, LR_LOADTRANSPARENT);
}

void LoadEnhancedImages(Win32Shell& shell, HWND dialog)
{
    const int checkWidth = GetSystemMetrics(SM_CXMENUCHECK);
    const int checkHeight = GetSystemMetrics(SM_CYMENUCHECK);
    for (std::size_t i = 0; i < std::size(kMenuBitmaps); ++i) {
        const HBITMAP bitmap = static_cast<HBITMAP>(LoadTransparentImage(
            shell.appInstance, kMenuBitmaps[i].bitmap, IMAGE_BITMAP, checkWidth, checkHeight));
        shell.menuBitmaps[i] = bitmap;
        SetMenuItemBitmaps(shell.mainMenu, kMenuBitmaps[i].command, MF_BYCOMMAND, bitmap, bitmap);
    }
    const int iconWidth = GetSystemMetrics(SM_CXSMICON);
    const int iconHeight = GetSystemMetrics(SM_CYSMICON);
    shell.openIcon = static_cast<HICON>(
        LoadTransparentImage(shell.appInstance, IDI_OPEN, IMAGE_ICON, iconWidth, iconHeight));
    shell.saveAsIcon = static_cast<HICON>(
        LoadTransparentImage(shell.appInstance, IDI_SAVE_AS, IMAGE_ICON, iconWidth, iconHeight));
    SendDlgItemMessageA(dialog, IDC_OPEN, BM_SETIMAGE, IMAGE_ICON,
                        reinterpret_cast<LPARAM>(shell.openIcon));
    SendDlgItemMessageA(dialog, IDC_SAVE_AS, BM_SETIMAGE, IMAGE_ICON,
                        reinterpret_cast<LPARAM>(shell.saveAsIcon));
}

void InitMainDialog(Win32Shell& shell, HWND dialog)
{
    const HFONT font = DialogFont(dialog);

    shell.appInstance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
    shell.mainDialog = dialog;
    shell.user.SetOwner(dialog);
    shell.tabControl = GetDlgItem(dialog, IDC_LEG_TABS);
    shell.routeTree = GetDlgItem(dialog, IDC_ROUTE_TREE);
    shell.views.probeFcfFile = [&shell] { ProbeFcfFile(shell); };

    shell.routeTextBrush = CreateSolidBrush(RGB(230, 230, 250));

    LOGFONTA description = {};
    GetObjectA(font, sizeof description, &description);
    description.lfWeight = FW_BOLD;
    shell.boldFont = CreateFontIndirectA(&description);
    for (const int id : kBoldControls) {
        SendDlgItemMessageA(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(shell.boldFont), TRUE);
    }

    SetWindowLongPtrA(dialog, GWL_EXSTYLE,
                      GetWindowLongPtrA(dialog, GWL_EXSTYLE) | WS_EX_CONTEXTHELP);

    AppSettings& settings = shell.state.settings;
    LoadSettings(settings, shell.profile, shell.registry, shell.system);
    shell.state.helpFile = HelpFileFor(shell.system.ProgramPath(), settings.Startup.HtmlHelp != 0);

    shell.mainMenu = LoadMenuA(shell.appInstance, MAKEINTRESOURCEA(IDR_MAIN_MENU));
    if (settings.Startup.EnhancedUI) {
        LoadEnhancedImages(shell, dialog);
    }
    if (settings.Startup.Menuoption) {
        ApplyMenuOption(shell, dialog);
    }
    SetDlgItemTextA(dialog, IDC_SOURCE_PATH, shell.state.sourcePath.c_str());
    SetDlgItemTextA(dialog, IDC_DEST_PATH, shell.state.destPath.c_str());
    // Whether files may be dropped is decided once, here.
    if (settings.Startup.Autogen != kAutogenNone) {
        DragAcceptFiles(dialog, TRUE);
    }

    CheckDefaultRadios(shell.window, settings);

    shell.window.EnableRouteCommands(false, false);

    RECT outer;
    RECT separator;
    GetWindowRect(dialog, &outer);
    GetWindowRect(GetDlgItem(dialog, IDC_SEPARATOR), &separator);
    shell.extendedWidth = outer.right - outer.left + 1;
    shell.viewHeight = outer.bottom - outer.top + 1;
    shell.normalWidth = separator.left - outer.left;

    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_EXTEND, 0), 0);

    if (settings.Startup.Autogen != kAutogenNone) {
        ConvertCommandLineFiles(shell, dialog);
    }
}

void ToggleExtendedView(Win32Shell& shell, HWND dialog)
{
    int width;
    if (shell.extendedView) {
        SetDlgItemTextA(dialog, IDC_EXTEND, "Extend -&>");
        shell.extendedView = false;
        width = shell.normalWidth;
    } else {
        SetDlgItemTextA(dialog, IDC_EXTEND, "&<- Normal");
        shell.extendedView = true;
        width = shell.extendedWidth;
    }
    SetWindowPos(dialog, nullptr, 0, 0, width, shell.viewHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (shell.statusBar != nullptr && IsWindowVisible(shell.statusBar)) {
        SendMessageA(shell.statusBar, WM_SIZE, 0, MAKELPARAM(width, 0));
    }
    if (shell.toolbarWindow != nullptr && IsWindowVisible(shell.toolbarWindow)) {
        SendMessageA(shell.toolbarWindow, WM_SIZE, 0, 0);
    }
}

void SetDropDownWidth(HWND combo)
{
    const HDC dc = GetDC(combo);
    const HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(combo, WM_GETFONT, 0, 0)));
    SIZE space = {};
    GetTextExtentPoint32A(dc, " ", 1, &space);
    const int scrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    int widest = 0;
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, i, 0);
        if (length == CB_ERR || length > 127) {
            continue;
        }
        char entry[128] = {};
        SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
        SIZE extent = {};
        GetTextExtentPoint32A(dc, entry, static_cast<int>(std::strlen(entry)), &extent);
        widest = std::max(widest, static_cast<int>(extent.cx + space.cx + scrollWidth));
    }
    SelectObject(dc, oldFont);
    ReleaseDC(combo, dc);
    SendMessageA(combo, CB_SETDROPPEDWIDTH, widest, 0);
}

// The platform's reposition request, and the same done by hand where the
// platform leaves the request unanswered.
void ResetDialog(HWND dialog)
{
    SendMessageA(dialog, DM_REPOSITION, 0, 0);
    RECT outer;
    RECT work;
    GetWindowRect(dialog, &outer);
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) {
        SetRect(&work, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    }
    const Rect now{outer.left, outer.top, outer.right, outer.bottom};
    const Rect fitted = KeepInside(now, Rect{work.left, work.top, work.right, work.bottom});
    if (!(fitted == now)) {
        SetWindowPos(dialog, nullptr, fitted.left, fitted.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// Reports a message handled with a result, as dialog procedures must.
INT_PTR Result(HWND dialog, LRESULT result)
{
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
    return TRUE;
}

void CloseMainDialog(Win32Shell& shell, HWND dialog)
{
    if (shell.state.route.RouteUnsaved &&
        AskToSavePlan(shell.user, shell.window, shell.state.destTitle.view()) == Answer::Cancel) {
        return;
    }
    SaveRecentFiles(shell.state.settings, shell.profile);
    if (shell.boldFont != nullptr) {
        DeleteObject(shell.boldFont);
        shell.boldFont = nullptr;
    }
    shell.help.CloseHelp();
    DestroyWindow(dialog);
    shell.mainDialog = nullptr;
    shell.user.SetOwner(nullptr);
}

void ReleaseMainDialog(Win32Shell& shell, HWND dialog)
{
    for (HBITMAP& bitmap : shell.menuBitmaps) {
        if (bitmap != nullptr) {
            DeleteObject(bitmap);
            bitmap = nullptr;
        }
    }
    for (HICON* icon : {&shell.openIcon, &shell.saveAsIcon}) {
        if (*icon != nullptr) {
            DestroyIcon(*icon);
            *icon = nullptr;
        }
    }
    if (shell.routeTextBrush != nullptr) {
        DeleteObject(shell.routeTextBrush);
        shell.routeTextBrush = nullptr;
    }
    if (shell.mainMenu != nullptr) {
        SetMenu(dialog, nullptr);
        DestroyMenu(shell.mainMenu);
        shell.mainMenu = nullptr;
    }
    PostQuitMessage(0);
}

// A shortcut menu on the dialog's surface that mirrors the menu bar; its
// submenus are the menu bar's own, so they are detached before it goes.
void ShowShortcutMenu(Win32Shell& shell, HWND dialog, POINT clientPoint)
{
    if (!shell.state.settings.Startup.Mouseoption || shell.mainMenu == nullptr) {
        return;
    }
    const HMENU popup = CreatePopupMenu();
    if (popup == nullptr) {
        return;
    }
    for (int i = 0;; ++i) {
        const UINT state = GetMenuState(shell.mainMenu, i, MF_BYPOSITION);
        if (state == static_cast<UINT>(-1)) {
            break;
        }
        char text[128] = {};
        GetMenuStringA(shell.mainMenu, i, text, sizeof text, MF_BYPOSITION);
        const UINT flags = state & 0xFF;
        if (const HMENU submenu = GetSubMenu(shell.mainMenu, i)) {
            AppendMenuA(popup, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), text);
        } else {
            AppendMenuA(popup, flags, GetMenuItemID(shell.mainMenu, i), text);
        }
    }
    POINT screen = clientPoint;
    ClientToScreen(dialog, &screen);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, dialog, nullptr);
    while (GetMenuItemCount(popup) > 0) {
        RemoveMenu(popup, 0, MF_BYPOSITION);
    }
    DestroyMenu(popup);
}

// Runs a command; false when it is left to the platform. result is the
// answer of a sent command.
bool RunCommand(Win32Shell& shell, HWND dialog, int id, int notification, HWND control,
                std::intptr_t& result)
{
    result = 0;
    if (notification == 0 || notification == 1) {
        if (RunRouteCommand(shell.context, shell.views, id, result)) {
            return true;
        }
    }
    switch (id) {
    case IDC_EXTEND:
        ToggleExtendedView(shell, dialog);
        return true;
    case IDM_RESET_DIALOG:
        ResetDialog(dialog);
        return true;
    case IDC_CANCEL:
    case IDM_EXIT:
        SendMessageA(dialog, WM_CLOSE, 0, 0);
        return true;
    case IDC_HELP_BUTTON:
    case IDM_HELP_TOPICS:
        shell.help.ShowHelpContents();
        return true;
    case IDM_HELP_ON_HELP:
        shell.help.ShowHelpOnHelp();
        return true;
    case IDM_WHATS_THIS:
        SendMessageA(dialog, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
        return true;
    case IDC_DEST_PATH:
        if (notification == EN_CHANGE) {
            DestinationChanged(shell.context);
            return true;
        }
        break;
    case IDC_DEPARTURE_RUNWAYS:
    case IDC_LANDING_RUNWAYS:
        if (notification == CBN_SELCHANGE) {
            PickRunway(shell.context, id == IDC_DEPARTURE_RUNWAYS ? AirportEnd::Departure
                                                                  : AirportEnd::Destination);
            return true;
        }
        break;
    default:
        break;
    }
    if (notification == CBN_DROPDOWN && control != nullptr) {
        SetDropDownWidth(control);
    }
    return false;
}

}  // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    Win32Shell& shell = TheShell();
    switch (message) {
    case WM_INITDIALOG:
        InitMainDialog(shell, dialog);
        return TRUE;

    case WM_COMMAND: {
        std::intptr_t result = 0;
        if (!RunCommand(shell, dialog, LOWORD(wParam), HIWORD(wParam),
                        reinterpret_cast<HWND>(lParam), result)) {
            return FALSE;
        }
        return Result(dialog, result);
    }

    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_LEG_TABS && header->code == TCN_SELCHANGE) {
            SelectLeg(shell.context, TabCtrl_GetCurSel(header->hwndFrom));
            return TRUE;
        }
        return FALSE;
    }

    case WM_DROPFILES:
        ConvertDroppedFiles(shell, reinterpret_cast<HDROP>(wParam));
        return FALSE;

    case WM_RBUTTONUP:
        ShowShortcutMenu(shell, dialog, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return TRUE;

    case WM_SYSCOMMAND:
        switch (wParam) {
        case IDM_RESET_DIALOG:
            ResetDialog(dialog);
            return TRUE;
        case IDM_HELP_TOPICS:
            shell.help.ShowHelpContents();
            return TRUE;
        default:
            return FALSE;
        }

    case WM_HELP: {
        const auto* info = reinterpret_cast<const HELPINFO*>(lParam);
        if (info->iContextType == HELPINFO_WINDOW) {
            shell.help.ShowControlHelp(reinterpret_cast<WindowHandle>(info->hItemHandle),
                                       info->iCtrlId, MainDialogHelpTable());
        }
        return TRUE;
    }

    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wParam) != dialog) {
            shell.help.ShowControlHelpMenu(static_cast<WindowHandle>(wParam), MainDialogHelpTable());
        }
        return TRUE;

    case WM_MENUCHAR:
        for (const MenuCharacter& m : kMenuCharacters) {
            if (LOWORD(wParam) == static_cast<WORD>(m.character)) {
                PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(m.command, 0), 0);
                return Result(dialog, MAKELRESULT(0, MNC_CLOSE));
            }
        }
        return FALSE;

    case WM_CTLCOLOREDIT:
        if (reinterpret_cast<HWND>(lParam) == GetDlgItem(dialog, IDC_ROUTE_TEXT)) {
            const HDC dc = reinterpret_cast<HDC>(wParam);
            SetBkMode(dc, OPAQUE);
            SetBkColor(dc, RGB(230, 230, 250));
            SetTextColor(dc, RGB(8, 8, 8));
            return reinterpret_cast<INT_PTR>(shell.routeTextBrush);
        }
        return FALSE;

    case WM_PAINT:
        SetDialogTitle(shell.window, shell.state.appName.view(), shell.state.sourceTitle.view());
        return FALSE;

    case WM_DRAWITEM:
        DrawIconButton(dialog, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;

    case WM_QUERYENDSESSION:
        // Cancel at the question keeps the program, and so refuses the end.
        if (shell.state.route.RouteUnsaved &&
            AskToSavePlan(shell.user, shell.window, shell.state.destTitle.view()) ==
                Answer::Cancel) {
            return Result(dialog, FALSE);
        }
        SaveRecentFiles(shell.state.settings, shell.profile);
        shell.help.CloseWinHelp();
        return Result(dialog, TRUE);

    case WM_CLOSE:
        CloseMainDialog(shell, dialog);
        return TRUE;

    case WM_DESTROY:
        ReleaseMainDialog(shell, dialog);
        return TRUE;

    default:
        return FALSE;
    }
}

}  // namespace rw
