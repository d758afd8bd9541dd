// The Windows program's entry point.
#include <windows.h>

#include "resources/resource.h"
#include "shell/app_state.h"
#include "win32/shell.h"
#include "win32/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int showCommand)
{
    rw::AppState state;
    rw::Win32Shell shell(state);
    rw::BindShell(&shell);

    // Every way out, a second start and a failed start included, ends with 0.
    if (!rw::InitInstance(shell, instance, IDS_FRAME_CLASS, showCommand)) {
        return 0;
    }
    return rw::RunMessageLoop(shell);
}
