// The main dialog's controls for the logic.
#include "win32/win32_main_window.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "resources/resource.h"
#include "win32/shell.h"

namespace rw {
namespace {

constexpr const char* kBusyClip = "Routewright.AVI";

}  // namespace

void Win32MainWindow::SetCaption(std::string_view caption)
{
    SetWindowTextA(shell_.mainDialog, std::string(caption).c_str());
}

void Win32MainWindow::SetText(int controlId, std::string_view text)
{
    SetDlgItemTextA(shell_.mainDialog, controlId, std::string(text).c_str());
}

std::string Win32MainWindow::Text(int controlId) const
{
    const HWND control = GetDlgItem(shell_.mainDialog, controlId);
    if (control == nullptr) {
        return std::string();
    }
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    const int n = GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return text;
}

bool Win32MainWindow::IsChecked(int buttonId) const
{
    return IsDlgButtonChecked(shell_.mainDialog, buttonId) == BST_CHECKED;
}

void Win32MainWindow::SetChecked(int buttonId, bool checked)
{
    CheckDlgButton(shell_.mainDialog, buttonId, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Win32MainWindow::Enable(int controlId, bool enabled)
{
    EnableWindow(GetDlgItem(shell_.mainDialog, controlId), enabled ? TRUE : FALSE);
}

void Win32MainWindow::EnableRouteCommands(bool enabled, bool toolbar)
{
    EnableWindow(GetDlgItem(shell_.mainDialog, IDC_DETAILS), enabled ? TRUE : FALSE);
    if (shell_.mainMenu != nullptr) {
        EnableMenuItem(shell_.mainMenu, IDM_PRINT, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
    if (toolbar && shell_.toolbarWindow != nullptr) {
        for (const int command : {IDC_DETAILS, IDM_PRINT}) {
            SendMessageA(shell_.toolbarWindow, TB_ENABLEBUTTON, command, MAKELPARAM(enabled, 0));
        }
    }
}

void Win32MainWindow::SetStatusText(std::string_view text)
{
    if (shell_.statusBar != nullptr && IsWindowVisible(shell_.statusBar)) {
        SendMessageA(shell_.statusBar, SB_SETTEXTA, 0,
                     reinterpret_cast<LPARAM>(std::string(text).c_str()));
    }
}

void Win32MainWindow::SetWaitCursor(bool wait)
{
    SetCursor(LoadCursorA(nullptr, wait ? IDC_WAIT : IDC_ARROW));
}

void Win32MainWindow::ShowBusyAnimation()
{
    const HWND animation = GetDlgItem(shell_.mainDialog, IDC_BUSY_ANIMATION);
    if (!IsWindowVisible(animation)) {
        ShowWindow(animation, SW_SHOW);
    }
    // The clip is looked up by its bare name; without it nothing plays.
    if (SendMessageA(animation, ACM_OPENA, 0, reinterpret_cast<LPARAM>(kBusyClip))) {
        SendMessageA(animation, ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, 0xFFFF));
    }
}

void Win32MainWindow::HideBusyAnimation()
{
    const HWND animation = GetDlgItem(shell_.mainDialog, IDC_BUSY_ANIMATION);
    SendMessageA(animation, ACM_STOP, 0, 0);
    SendMessageA(animation, ACM_OPENA, 0, 0);
    ShowWindow(animation, SW_HIDE);
}

void Win32MainWindow::ClearList(int listId)
{
    SendDlgItemMessageA(shell_.mainDialog, listId, CB_RESETCONTENT, 0, 0);
}

int Win32MainWindow::AddListEntry(int listId, std::string_view text)
{
    // The lists are sorted combo boxes: the entry goes to its sorted place.
    const LRESULT index = SendDlgItemMessageA(shell_.mainDialog, listId, CB_ADDSTRING, 0,
                                              reinterpret_cast<LPARAM>(std::string(text).c_str()));
    return index < 0 ? -1 : static_cast<int>(index);  // CB_ERR or CB_ERRSPACE
}

int Win32MainWindow::ListCount(int listId) const
{
    const LRESULT count = SendDlgItemMessageA(shell_.mainDialog, listId, CB_GETCOUNT, 0, 0);
    return count < 0 ? 0 : static_cast<int>(count);
}

bool Win32MainWindow::ListEntry(int listId, int index, std::string& text) const
{
    if (index < 0) {
        return false;
    }
    const LRESULT length =
        SendDlgItemMessageA(shell_.mainDialog, listId, CB_GETLBTEXTLEN, index, 0);
    if (length < 0) {
        return false;
    }
    std::string entry(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = SendDlgItemMessageA(shell_.mainDialog, listId, CB_GETLBTEXT, index,
                                               reinterpret_cast<LPARAM>(entry.data()));
    if (copied < 0) {
        return false;
    }
    entry.resize(static_cast<std::size_t>(copied < length ? copied : length));
    text = entry;
    return true;
}

void Win32MainWindow::SelectListEntry(int listId, int index)
{
    // An index beyond the list clears the selection, as -1 does.
    if (index < 0 || index >= ListCount(listId)) {
        index = -1;
    }
    SendDlgItemMessageA(shell_.mainDialog, listId, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int Win32MainWindow::SelectedListEntry(int listId) const
{
    const LRESULT index = SendDlgItemMessageA(shell_.mainDialog, listId, CB_GETCURSEL, 0, 0);
    return index < 0 ? -1 : static_cast<int>(index);
}

void Win32MainWindow::SetListRedraw(int listId, bool on)
{
    const HWND list = GetDlgItem(shell_.mainDialog, listId);
    SendMessageA(list, WM_SETREDRAW, on ? TRUE : FALSE, 0);
    if (on) {
        InvalidateRect(list, nullptr, TRUE);
    }
}

void Win32MainWindow::PostCommand(int commandId)
{
    PostMessageA(shell_.mainDialog, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

std::intptr_t Win32MainWindow::SendCommand(int commandId)
{
    return static_cast<std::intptr_t>(
        SendMessageA(shell_.mainDialog, WM_COMMAND, MAKEWPARAM(commandId, 0), 0));
}

}  // namespace rw
