// Start-up of the Windows program: the single-instance check, the window
// classes, the main dialog and the message loop.
#pragma once

#include <windows.h>

#include "win32/shell.h"

namespace rw {

bool InitInstance(Win32Shell& shell, HINSTANCE instance, int frameClassId, int showCommand);
bool RegisterWindowClasses(Win32Shell& shell, HINSTANCE instance, int frameClassId);
ATOM RegisterClassCompat(const WNDCLASSEXA& windowClass);
bool CreateMainWindow(Win32Shell& shell, HINSTANCE instance, int showCommand);
int RunMessageLoop(Win32Shell& shell);

// Window procedures of the popup class and the elliptical push button.
LRESULT CALLBACK ProgressWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EllipPushProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The main dialog's procedure.
INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace rw
