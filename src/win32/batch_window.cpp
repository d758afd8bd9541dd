// The progress window and the two ways into a batch conversion.
#include "win32/batch_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "shell/batch.h"
#include "shell/placement.h"
#include "win32/startup.h"

namespace rw {
namespace {

INT_PTR CALLBACK ProgressDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The popup class's procedure forgets the window and its bar.
    if (message == WM_DESTROY) {
        ProgressWindowProc(window, message, wParam, lParam);
    }
    return FALSE;
}

Rect RectOf(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

}  // namespace

void CenterOverOwner(HWND window, HWND owner)
{
    if (owner == nullptr) {
        owner = GetWindow(window, GW_OWNER);
    }
    RECT work;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) {
        SetRect(&work, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    }
    RECT reference = work;
    if (owner != nullptr) {
        GetWindowRect(owner, &reference);
    }
    RECT outer;
    GetWindowRect(window, &outer);
    const Rect placed = CenterOver(RectOf(outer), RectOf(reference), RectOf(work));
    SetWindowPos(window, nullptr, placed.left, placed.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CreateProgressWindow(Win32Shell& shell, HINSTANCE instance, HWND owner)
{
    shell.progressDialog =
        CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_PROGRESS), owner, ProgressDialogProc, 0);
    if (shell.progressDialog == nullptr) {
        return false;
    }
    shell.progressBar = GetDlgItem(shell.progressDialog, IDC_PROGRESS_BAR);
    ShowWindow(shell.progressDialog, SW_SHOWNOACTIVATE);
    UpdateWindow(shell.progressDialog);
    CenterOverOwner(shell.progressDialog, owner);
    return true;
}

bool Win32BatchProgress::Create(int fileCount)
{
    if (!CreateProgressWindow(shell_, shell_.appInstance, shell_.mainDialog)) {
        return false;
    }
    SendMessageA(shell_.progressBar, PBM_SETRANGE32, 0, fileCount);
    SendMessageA(shell_.progressBar, PBM_SETSTEP, 1, 0);
    return true;
}

void Win32BatchProgress::ShowFile(std::string_view counter, std::string_view title)
{
    if (shell_.progressDialog != nullptr) {
        SetDlgItemTextA(shell_.progressDialog, IDC_PROGRESS_COUNTER, std::string(counter).c_str());
        SetDlgItemTextA(shell_.progressDialog, IDC_PROGRESS_FILE, std::string(title).c_str());
    }
}

void Win32BatchProgress::Step()
{
    if (shell_.progressBar != nullptr) {
        SendMessageA(shell_.progressBar, PBM_STEPIT, 0, 0);
    }
}

void Win32BatchProgress::Destroy()
{
    if (shell_.progressDialog != nullptr) {
        DestroyWindow(shell_.progressDialog);
    }
}

void ConvertDroppedFiles(Win32Shell& shell, HDROP drop)
{
    // The whole of every path: one too long for the source path is named
    // and skipped by the batch, not cut into another file's name.
    std::vector<std::string> paths;
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::string path(DragQueryFileA(drop, i, nullptr, 0) + 1, '\0');
        const UINT length = DragQueryFileA(drop, i, path.data(), static_cast<UINT>(path.size()));
        path.resize(length);
        paths.push_back(std::move(path));
    }
    DragFinish(drop);

    Win32BatchProgress progress(shell);
    (void)RunDropBatch(shell.context, progress, paths);
}

void ConvertCommandLineFiles(Win32Shell& shell, HWND dialog)
{
    std::vector<std::string> paths;
    for (int i = 1; i < __argc; ++i) {
        paths.emplace_back(__argv[i]);
    }
    if (paths.empty()) {
        return;
    }
    Win32BatchProgress progress(shell);
    if (!RunCommandLineBatch(shell.context, progress, paths).ran) {
        return;
    }
    // The close ends the program while its main window is still being
    // created: start-up then ends quietly instead of reporting a failure.
    shell.closedByBatch = true;
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    if (shell.mainDialog != nullptr) {
        shell.closedByBatch = false;
    }
}

}  // namespace rw
