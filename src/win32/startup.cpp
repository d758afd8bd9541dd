// Start-up of the Windows program.
#include "win32/startup.h"

#include <commctrl.h>

#include <string>

#include "resources/resource.h"
#include "win32/win32_user.h"

namespace rw {
namespace {

Win32Shell* boundShell = nullptr;

void ShowStartupFailure(const Win32Shell& shell, int textId)
{
    const std::string text = LoadResourceText(shell.appInstance, textId);
    MessageBoxA(nullptr, text.c_str(), shell.state.appName.c_str(), MB_OK | MB_ICONSTOP);
}

HICON LoadSmallAppIcon(HINSTANCE instance)
{
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON,
                                         GetSystemMetrics(SM_CXSMICON),
                                         GetSystemMetrics(SM_CYSMICON), LR_SHARED));
}

}  // namespace

Win32Shell& TheShell() { return *boundShell; }
void BindShell(Win32Shell* shell) { boundShell = shell; }

bool InitInstance(Win32Shell& shell, HINSTANCE instance, int frameClassId, int showCommand)
{
    shell.appInstance = instance;
    shell.user.SetInstance(instance);
    const std::string frameClass = LoadResourceText(instance, frameClassId);
    shell.state.appName = LoadResourceText(instance, IDS_APP_NAME);
    shell.state.configFileName = LoadResourceText(instance, IDS_CONFIG_FILE);
    shell.state.helpFile = LoadResourceText(instance, IDS_HELP_FILE);

    // A second start brings the first window forward and ends; its
    // arguments are not passed on.
    if (const HWND first = FindWindowA(frameClass.c_str(), nullptr)) {
        if (IsIconic(first)) {
            ShowWindow(first, SW_RESTORE);
        }
        SetForegroundWindow(first);
        return false;
    }

    if (!RegisterWindowClasses(shell, instance, frameClassId)) {
        return false;
    }
    InitCommonControls();
    return CreateMainWindow(shell, instance, showCommand);
}

bool RegisterWindowClasses(Win32Shell& shell, HINSTANCE instance, int frameClassId)
{
    const std::string frameClass = LoadResourceText(instance, frameClassId);
    const std::string popupClass = LoadResourceText(instance, IDS_POPUP_CLASS);
    const HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP));
    const HICON smallIcon = LoadSmallAppIcon(instance);
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);

    WNDCLASSEXA classes[3] = {};
    for (WNDCLASSEXA& c : classes) {
        c.cbSize = sizeof c;
        c.hInstance = instance;
        c.hCursor = arrow;
    }

    classes[0].style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    classes[0].lpfnWndProc = DefDlgProcA;
    classes[0].cbWndExtra = DLGWINDOWEXTRA;
    classes[0].hIcon = icon;
    classes[0].hIconSm = smallIcon;
    classes[0].hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    classes[0].lpszClassName = frameClass.c_str();

    classes[1].lpfnWndProc = ProgressWindowProc;
    classes[1].hIcon = icon;
    classes[1].hIconSm = smallIcon;
    classes[1].hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    classes[1].lpszClassName = popupClass.c_str();

    classes[2].style = CS_HREDRAW | CS_VREDRAW;
    classes[2].lpfnWndProc = EllipPushProc;
    classes[2].hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    classes[2].lpszClassName = "EllipPush";

    for (const WNDCLASSEXA& c : classes) {
        if (RegisterClassCompat(c) == 0) {
            ShowStartupFailure(shell, IDS_REGISTER_FAILED);
            return false;
        }
    }
    return true;
}

ATOM RegisterClassCompat(const WNDCLASSEXA& windowClass)
{
    using RegisterClassExFunction = ATOM(WINAPI*)(const WNDCLASSEXA*);
    const HMODULE user32 = GetModuleHandleA("USER32");
    const auto registerEx = user32 ? reinterpret_cast<RegisterClassExFunction>(
                                         reinterpret_cast<void*>(GetProcAddress(user32, "RegisterClassExA")))
                                   : nullptr;
    if (registerEx != nullptr) {
        return registerEx(&windowClass);
    }
    // Without the extended call the class has no small icon.
    WNDCLASSA plain = {};
    plain.style = windowClass.style;
    plain.lpfnWndProc = windowClass.lpfnWndProc;
    plain.cbClsExtra = windowClass.cbClsExtra;
    plain.cbWndExtra = windowClass.cbWndExtra;
    plain.hInstance = windowClass.hInstance;
    plain.hIcon = windowClass.hIcon;
    plain.hCursor = windowClass.hCursor;
    plain.hbrBackground = windowClass.hbrBackground;
    plain.lpszMenuName = windowClass.lpszMenuName;
    plain.lpszClassName = windowClass.lpszClassName;
    return RegisterClassA(&plain);
}

bool CreateMainWindow(Win32Shell& shell, HINSTANCE instance, int showCommand)
{
    const HWND dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                           MainDialogProc, reinterpret_cast<LPARAM>(&shell));
    if (dialog == nullptr) {
        // After the command-line batch the program ends as it should.
        if (!shell.closedByBatch) {
            ShowStartupFailure(shell, IDS_CREATE_FAILED);
        }
        return false;
    }

    const HMENU systemMenu = GetSystemMenu(dialog, FALSE);
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_SETTINGS, "&Settings...\tCtrl+D");
    AppendMenuA(systemMenu, MF_STRING, IDM_RESET_DIALOG, "&Reset Dialog\tCtrl+R");
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_HELP_TOPICS, "&Help...");
    AppendMenuA(systemMenu, MF_STRING, IDM_ABOUT, "&About...");

    shell.accelTable = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    ShowWindow(dialog, showCommand);
    UpdateWindow(dialog);
    return true;
}

int RunMessageLoop(Win32Shell& shell)
{
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(shell.mainDialog, shell.accelTable, &message)) {
            continue;
        }
        if (shell.mainDialog != nullptr && IsDialogMessageA(shell.mainDialog, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

LRESULT CALLBACK ProgressWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        Win32Shell& shell = TheShell();
        if (shell.progressBar != nullptr) {
            DestroyWindow(shell.progressBar);
        }
        shell.progressBar = nullptr;
        shell.progressDialog = nullptr;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace rw
