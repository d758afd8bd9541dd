// Drives the real Routewright.exe from outside, as a user would: finds its
// windows, reads and checks controls, types keys. One command a run; exit
// code 0 when every check passed.
#include <windows.h>

#include <commctrl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "resources/resource.h"

namespace {

constexpr const char* kFrameClass = "Routewright Frame Window Class";
int failures = 0;

void Fail(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::fprintf(stderr, "FAIL: ");
    std::vfprintf(stderr, format, args);
    std::fprintf(stderr, "\n");
    va_end(args);
    ++failures;
}

// Polls a condition until it holds or the time is up.
template <typename Condition>
bool WaitFor(Condition condition, DWORD timeoutMs = 15000)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

HWND FindMain()
{
    HWND main = nullptr;
    WaitFor([&] { return (main = FindWindowA(kFrameClass, nullptr)) != nullptr; });
    return main;
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window)
{
    char text[512] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

std::string CaptionOf(HWND window)
{
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

struct TemplateControl {
    int id;
    const char* className;
    const char* text;
    int x, y, w, h;
    LONG style;  // bits that must be set
};

// The main dialog's template, in template order, as the user gets it after
// start-up (the Extend button then reads "Extend -&>").
const TemplateControl kControls[] = {
    {IDC_SAVE, "Button", "&Save", 7, 235, 40, 14, BS_MULTILINE | WS_VISIBLE},
    {IDC_CANCEL, "Button", "&Cancel", 54, 235, 40, 14, WS_VISIBLE},
    {IDC_BUILD, "Button", "&Build", 101, 235, 40, 14, WS_VISIBLE},
    {IDC_DETAILS, "Button", "&Details", 162, 202, 56, 16, WS_DISABLED | WS_VISIBLE},
    {IDC_HELP_BUTTON, "Button", "&Help", 287, 235, 40, 14, WS_VISIBLE},
    {IDC_EXTEND, "Button", "Extend -&>", 334, 235, 40, 14, WS_VISIBLE},
    {IDC_SOURCE_PATH, "Edit", "Please select a valid path and filename", 11, 14, 343, 14, WS_BORDER | ES_AUTOHSCROLL},
    {IDC_OPEN, "Button", "&Open...", 355, 14, 16, 14, BS_ICON},
    {IDC_DEST_PATH, "Edit", "Please select a valid path and filename", 11, 45, 343, 14, WS_BORDER | ES_AUTOHSCROLL},
    {IDC_SAVE_AS, "Button", "S&ave as...", 355, 45, 16, 14, BS_ICON},
    {IDC_DEPARTURE_GROUP, "Button", "Departure", 7, 67, 180, 62, BS_GROUPBOX},
    {IDC_STATIC, "Static", "ICAO ID:", 13, 80, 32, 10, 0},
    {IDC_STATIC, "Static", "Runway:", 55, 80, 32, 10, SS_CENTERIMAGE},
    {IDC_DEPARTURE_ID, "Static", "N/A", 13, 91, 35, 12, SS_SUNKEN | SS_CENTERIMAGE},
    {IDC_DEPARTURE_RUNWAYS, "ComboBox", "", 52, 91, 129, 0, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL},
    {IDC_DEPARTURE_NAME, "Static", "N/A", 13, 110, 168, 15, SS_SUNKEN | SS_CENTERIMAGE},
    {IDC_DESTINATION_GROUP, "Button", "Destination", 195, 67, 180, 62, BS_GROUPBOX},
    {IDC_STATIC, "Static", "ICAO ID:", 199, 80, 32, 10, 0},
    {IDC_STATIC, "Static", "Runway:", 240, 80, 31, 10, SS_CENTERIMAGE},
    {IDC_DESTINATION_ID, "Static", "N/A", 199, 91, 35, 12, SS_SUNKEN | SS_CENTERIMAGE},
    {IDC_LANDING_RUNWAYS, "ComboBox", "", 237, 91, 129, 0, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL},
    {IDC_DESTINATION_NAME, "Static", "N/A", 199, 110, 168, 15, SS_SUNKEN | SS_CENTERIMAGE},
    {IDC_LEG_TABS, "SysTabControl32", "Tab1", 7, 132, 368, 14, TCS_BUTTONS},
    {IDC_ROUTE_TEXT, "Edit", "", 7, 147, 368, 24, WS_BORDER | ES_MULTILINE},
    {IDC_FLIGHT_TYPE_GROUP, "Button", "&Type of Flight", 7, 174, 148, 38, BS_GROUPBOX},
    {IDC_VFR, "Button", "VFR (Visual Flight Rules)", 11, 185, 138, 12, BS_AUTORADIOBUTTON},
    {IDC_IFR, "Button", "IFR (Instrument Flight Rules)", 11, 196, 138, 12, BS_AUTORADIOBUTTON},
    {IDC_CRUISE_LABEL, "Static", "Cruising Altitude", 157, 174, 66, 8, SS_CENTER},
    {IDC_CRUISE_ALTITUDE, "Static", "N/A", 162, 186, 56, 12, SS_CENTER},
    {IDC_ROUTE_TYPE_GROUP, "Button", "&Route Type", 227, 174, 148, 59, BS_GROUPBOX},
    {IDC_VOR_TO_VOR, "Button", "VOR to VOR (VOR/NDB/Airport)", 231, 183, 130, 14, BS_AUTORADIOBUTTON},
    {IDC_LOW_AIRWAYS, "Button", "Low Altitude Airways", 231, 193, 130, 14, BS_AUTORADIOBUTTON},
    {IDC_HIGH_AIRWAYS, "Button", "High Altitude Airways", 231, 205, 130, 14, BS_AUTORADIOBUTTON},
    {IDC_DIRECT_GPS, "Button", "Direct GPS (GPS/Direct)", 231, 217, 130, 14, BS_AUTORADIOBUTTON},
    {IDC_EXPAND, "Button", "E&xpand", 398, 235, 40, 14, 0},
    {IDC_COLLAPSE, "Button", "Co&llapse", 446, 235, 40, 14, 0},
    {IDC_TREE_LABEL, "Static", "Routetree:", 395, 3, 105, 11, SS_CENTERIMAGE},
    {IDC_ROUTE_TREE, "SysTreeView32", "Tree1", 391, 17, 109, 216,
     WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_DISABLEDRAGDROP |
         TVS_SHOWSELALWAYS | TVS_TRACKSELECT},
    {IDC_BUSY_ANIMATION, "SysAnimate32", "Animate1", 171, 222, 38, 24, ACS_CENTER | ACS_TRANSPARENT},
    {IDC_SOURCE_GROUP, "Button", "Flightplan Source", 7, 3, 368, 30, BS_GROUPBOX},
    {IDC_DEST_GROUP, "Button", "Flightplan Destination", 7, 34, 368, 30, BS_GROUPBOX},
    {IDC_SEPARATOR, "Static", "", 383, 5, 1, 243, SS_ETCHEDVERT},
};

RECT ClientRectOf(HWND control, HWND dialog)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Checks the children of the main dialog against the template: order,
// identifiers, classes, texts, styles and rectangles (in dialog units,
// scaled by two far-apart controls, so a pixel of rounding is allowed).
void CheckControls(HWND dialog)
{
    std::vector<HWND> children;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        children.push_back(c);
    }
    const std::size_t expected = sizeof kControls / sizeof kControls[0];
    if (children.size() != expected) {
        Fail("main dialog has %u children, template has %u", unsigned(children.size()),
             unsigned(expected));
        return;
    }

    const RECT origin = ClientRectOf(GetDlgItem(dialog, IDC_SOURCE_GROUP), dialog);
    const RECT tree = ClientRectOf(GetDlgItem(dialog, IDC_ROUTE_TREE), dialog);
    const RECT save = ClientRectOf(GetDlgItem(dialog, IDC_SAVE), dialog);
    const double sx = double(tree.left - origin.left) / (391 - 7);
    const double sy = double(save.top - origin.top) / (235 - 3);

    for (std::size_t i = 0; i < expected; ++i) {
        const TemplateControl& t = kControls[i];
        const HWND c = children[i];
        const int id = GetDlgCtrlID(c);
        if (id != (t.id & 0xFFFF) && !(t.id == IDC_STATIC && (id == -1 || id == 0xFFFF))) {
            Fail("child %u: identifier %d, expected %d", unsigned(i), id, t.id);
            continue;
        }
        if (_stricmp(ClassOf(c).c_str(), t.className) != 0) {
            Fail("control %d: class %s, expected %s", t.id, ClassOf(c).c_str(), t.className);
        }
        // A combo box's text is its selection and an animation's the clip it
        // was told to open; neither keeps the template text.
        const bool keepsText = std::strcmp(t.className, "ComboBox") != 0 &&
                               std::strcmp(t.className, "SysAnimate32") != 0;
        if (keepsText && TextOf(c) != t.text) {
            Fail("control %d: text \"%s\", expected \"%s\"", t.id, TextOf(c).c_str(), t.text);
        }
        const LONG style = GetWindowLongA(c, GWL_STYLE);
        // Button and static kinds are numbers in the low bits, not flags.
        const bool button = std::strcmp(t.className, "Button") == 0;
        const bool isStatic = std::strcmp(t.className, "Static") == 0;
        const LONG typeMask = button ? 0x0F : isStatic ? SS_TYPEMASK : 0;
        const LONG wantedKind = t.style & typeMask;
        const LONG wantedBits = t.style & ~typeMask;
        LONG kind = style & typeMask;
        if (button && kind == BS_DEFPUSHBUTTON) {
            kind = BS_PUSHBUTTON;  // the dialog manager marks the default button
        }
        LONG missing = wantedBits & ~style;
        // Dialogs turn an edit field's border into the sunken client edge.
        if ((missing & WS_BORDER) && (GetWindowLongA(c, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) {
            missing &= ~WS_BORDER;
        }
        // A combo box hands its scroll bar to its drop-down list.
        if (std::strcmp(t.className, "ComboBox") == 0) {
            missing &= ~WS_VSCROLL;
        }
        if (kind != wantedKind || missing != 0) {
            Fail("control %d: style %08lx lacks %08lx", t.id, style, t.style);
        }
        const RECT r = ClientRectOf(c, dialog);
        // Each value is rounded on its own, and the scale is measured from
        // rounded values: allow two pixels and a percent of the distance.
        const auto roughly = [](double got, double want) {
            return std::fabs(got - want) <= 2.0 + 0.01 * std::fabs(want);
        };
        const double left = origin.left + (t.x - 7) * sx;
        const double top = origin.top + (t.y - 3) * sy;
        bool placed = roughly(r.left, left) && roughly(r.top, top) && roughly(r.right - r.left, t.w * sx);
        // A drop-down list's height is its edit part, not the template's list height.
        if (t.h != 0) {
            placed = placed && roughly(r.bottom - r.top, t.h * sy);
        }
        if (!placed) {
            Fail("control %d at %ld,%ld %ldx%ld pixels, expected about %.0f,%.0f %.0fx%.0f", t.id,
                 r.left, r.top, r.right - r.left, r.bottom - r.top, left, top, t.w * sx, t.h * sy);
        }
    }
}

bool InNormalView(HWND dialog)
{
    RECT outer, tree;
    GetWindowRect(dialog, &outer);
    GetWindowRect(GetDlgItem(dialog, IDC_ROUTE_TREE), &tree);
    return outer.right <= tree.left;
}

bool InExtendedView(HWND dialog)
{
    RECT outer, tree;
    GetWindowRect(dialog, &outer);
    GetWindowRect(GetDlgItem(dialog, IDC_ROUTE_TREE), &tree);
    return outer.right >= tree.right;
}

void PressKeys(HWND dialog, std::vector<WORD> keys)
{
    SetForegroundWindow(dialog);
    WaitFor([&] { return GetForegroundWindow() == dialog; }, 5000);
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        inputs.push_back(in);
    }
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = *it;
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(in);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

int CheckMain()
{
    const HWND dialog = FindMain();
    if (dialog == nullptr) {
        Fail("no window of class \"%s\"", kFrameClass);
        return 1;
    }
    // Without a configuration file the recent files read as placeholders.
    const std::string placeholder = "Please select a valid path and filename";
    const std::string caption = "Routewright - " + placeholder;
    if (!WaitFor([&] { return CaptionOf(dialog) == caption; }, 5000)) {
        Fail("caption \"%s\", expected \"%s\"", CaptionOf(dialog).c_str(), caption.c_str());
    }
    for (const int id : {IDC_SOURCE_PATH, IDC_DEST_PATH}) {
        if (TextOf(GetDlgItem(dialog, id)) != placeholder) {
            Fail("field %d reads \"%s\"", id, TextOf(GetDlgItem(dialog, id)).c_str());
        }
    }
    const LONG style = GetWindowLongA(dialog, GWL_STYLE);
    const LONG wanted = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE;
    if ((style & wanted) != wanted) {
        Fail("main dialog style %08lx lacks %08lx", style, wanted);
    }
    if (!(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_CONTEXTHELP)) {
        Fail("main dialog lacks the context-help style");
    }
    CheckControls(dialog);
    if (!InNormalView(dialog)) {
        Fail("the program does not start in the normal view: the route tree shows");
    }
    if (IsDlgButtonChecked(dialog, IDC_VFR) != BST_CHECKED ||
        IsDlgButtonChecked(dialog, IDC_VOR_TO_VOR) != BST_CHECKED) {
        Fail("default flight rules VFR and route type VOR to VOR are not checked");
    }
    return failures ? 1 : 0;
}

// Ctrl+X flips the view; the button then names the other view.
int CheckExtend(const std::string& expected)
{
    const HWND dialog = FindMain();
    if (dialog == nullptr) {
        Fail("no main window");
        return 1;
    }
    const bool extended = expected == "extended";
    const char* caption = extended ? "&<- Normal" : "Extend -&>";
    const HWND button = GetDlgItem(dialog, IDC_EXTEND);
    PressKeys(dialog, {VK_CONTROL, 'X'});
    if (!WaitFor([&] {
            return TextOf(button) == caption &&
                   (extended ? InExtendedView(dialog) : InNormalView(dialog));
        }, 5000)) {
        Fail("Ctrl+X: button reads \"%s\", expected \"%s\"; extended view %d, normal view %d",
             TextOf(button).c_str(), caption, int(InExtendedView(dialog)),
             int(InNormalView(dialog)));
    }
    return failures ? 1 : 0;
}

// Compares every text of the program's string-table resources with the
// table the portable code is built from.
int CheckStrings(const char* exePath)
{
    const HMODULE module = LoadLibraryExA(exePath, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        Fail("cannot load %s as data file", exePath);
        return 1;
    }
    struct Entry {
        int id;
        const char* text;
    };
#define RW_STRING(id, text) {id, text},
    static const Entry entries[] = {
#include "resources/strings.inc"
    };
#undef RW_STRING
    for (const Entry& e : entries) {
        char text[1024] = {};
        LoadStringA(module, static_cast<UINT>(e.id), text, sizeof text);
        if (std::strcmp(text, e.text) != 0) {
            Fail("string %d is \"%s\", expected \"%s\"", e.id, text, e.text);
        }
    }
    std::printf("%u strings checked\n", unsigned(sizeof entries / sizeof entries[0]));

    // The version record names the product.
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* record = loaded ? LockResource(loaded) : nullptr;
    std::vector<char> copy;
    if (record != nullptr) {
        const char* bytes = static_cast<const char*>(record);
        copy.assign(bytes, bytes + SizeofResource(module, found));
    }
    char* product = nullptr;
    UINT length = 0;
    if (copy.empty() ||
        !VerQueryValueA(copy.data(), "\\StringFileInfo\\040904E4\\ProductName",
                        reinterpret_cast<void**>(&product), &length) ||
        std::strcmp(product, "Routewright") != 0) {
        Fail("the version record has no ProductName \"Routewright\" for 040904E4");
    }
    FreeLibrary(module);
    return failures ? 1 : 0;
}

int Minimize()
{
    const HWND dialog = FindMain();
    if (dialog == nullptr) {
        Fail("no main window");
        return 1;
    }
    ShowWindow(dialog, SW_MINIMIZE);
    if (!WaitFor([&] { return IsIconic(dialog) != FALSE; }, 5000)) {
        Fail("the main window did not minimise");
    }
    return failures ? 1 : 0;
}

int CheckRestored()
{
    const HWND dialog = FindMain();
    if (dialog == nullptr) {
        Fail("no main window");
        return 1;
    }
    if (!WaitFor([&] { return !IsIconic(dialog) && GetForegroundWindow() == dialog; }, 5000)) {
        Fail("the first window was not restored and activated (minimised %d, foreground %d)",
             int(IsIconic(dialog) != FALSE), int(GetForegroundWindow() == dialog));
    }
    int windows = 0;
    for (HWND w = FindWindowA(kFrameClass, nullptr); w != nullptr;
         w = FindWindowExA(nullptr, w, kFrameClass, nullptr)) {
        ++windows;
    }
    if (windows != 1) {
        Fail("%d main windows, expected 1", windows);
    }
    return failures ? 1 : 0;
}

// Ctrl+R brings a window dragged partly off the screen back inside the work area.
int CheckReset()
{
    const HWND dialog = FindMain();
    if (dialog == nullptr) {
        Fail("no main window");
        return 1;
    }
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(dialog, nullptr, work.left - 200, work.top - 100, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    const auto inside = [&] {
        RECT r;
        GetWindowRect(dialog, &r);
        return r.left >= work.left && r.top >= work.top && r.right <= work.right &&
               r.bottom <= work.bottom;
    };
    if (!WaitFor([&] { return !inside(); }, 5000)) {
        Fail("could not move the main window off the screen");
        return 1;
    }
    PressKeys(dialog, {VK_CONTROL, 'R'});
    if (!WaitFor(inside, 5000)) {
        RECT r;
        GetWindowRect(dialog, &r);
        Fail("Ctrl+R left the window at %ld,%ld-%ld,%ld", r.left, r.top, r.right, r.bottom);
    }
    return failures ? 1 : 0;
}

// The ways a user closes the program besides Ctrl+E.
int Close(const std::string& how)
{
    const HWND dialog = FindMain();
    if (dialog == nullptr) {
        Fail("no main window");
        return 1;
    }
    if (how == "cancel-button") {
        PostMessageA(GetDlgItem(dialog, IDC_CANCEL), BM_CLICK, 0, 0);
    } else if (how == "close-box") {
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
        Fail("unknown way to close: %s", how.c_str());
        return 1;
    }
    return 0;
}

// Generic checks of what the main window shows.
int CheckCaption(const std::string& expected)
{
    const HWND dialog = FindMain();
    if (dialog == nullptr || !WaitFor([&] { return CaptionOf(dialog) == expected; }, 5000)) {
        Fail("caption \"%s\", expected \"%s\"", dialog ? CaptionOf(dialog).c_str() : "",
             expected.c_str());
    }
    return failures ? 1 : 0;
}

int CheckField(int id, const std::string& expected)
{
    const HWND dialog = FindMain();
    const std::string text = dialog ? TextOf(GetDlgItem(dialog, id)) : "";
    if (text != expected) {
        Fail("control %d reads \"%s\", expected \"%s\"", id, text.c_str(), expected.c_str());
    }
    return failures ? 1 : 0;
}

// The radio buttons given are checked, the others of the list are not.
int CheckChecked(const std::vector<int>& ids, const std::vector<int>& checked)
{
    const HWND dialog = FindMain();
    for (const int id : ids) {
        bool wanted = false;
        for (const int c : checked) {
            wanted = wanted || c == id;
        }
        const bool is = dialog && IsDlgButtonChecked(dialog, id) == BST_CHECKED;
        if (is != wanted) {
            Fail("button %d is %s", id, is ? "checked" : "not checked");
        }
    }
    return failures ? 1 : 0;
}

int Click(int id)
{
    const HWND dialog = FindMain();
    if (dialog == nullptr) {
        Fail("no main window");
        return 1;
    }
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    return 0;
}

// Waits for a top-level window of a class; prints its caption.
int WaitClass(const char* className)
{
    HWND window = nullptr;
    if (!WaitFor([&] { return (window = FindWindowA(className, nullptr)) != nullptr; })) {
        Fail("no window of class %s", className);
        return 1;
    }
    std::printf("%s\n", CaptionOf(window).c_str());
    return 0;
}

std::vector<int> Numbers(const char* list)
{
    std::vector<int> out;
    for (const char* p = list; *p;) {
        out.push_back(std::atoi(p));
        while (*p && *p != ',') ++p;
        if (*p == ',') ++p;
    }
    return out;
}

int PressCommand(const char* key)
{
    const HWND dialog = FindMain();
    if (dialog == nullptr || std::strlen(key) != 1) {
        Fail("no main window or no single key");
        return 1;
    }
    PressKeys(dialog, {VK_CONTROL, WORD(std::toupper(static_cast<unsigned char>(key[0])))});
    return 0;
}

int WaitGone()
{
    if (!WaitFor([] { return FindWindowA(kFrameClass, nullptr) == nullptr; })) {
        Fail("the main window is still there");
        return 1;
    }
    return 0;
}

// A top-level dialog window of the program with the caption given, such as
// a file dialog or (captioned with the program's name) a message box.
HWND FindDialog(const std::string& caption)
{
    HWND found = nullptr;
    WaitFor([&] {
        for (HWND w = FindWindowA("#32770", nullptr); w != nullptr;
             w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
            if (IsWindowVisible(w) && CaptionOf(w) == caption) {
                found = w;
                return true;
            }
        }
        return false;
    });
    return found;
}

// Fills the file name of the common file dialog captioned title and
// confirms it; with a type (from 1) that type is chosen first.
int FileDialog(const std::string& title, const std::string& path, int type)
{
    const HWND dialog = FindDialog(title);
    if (dialog == nullptr) {
        Fail("no file dialog \"%s\"", title.c_str());
        return 1;
    }
    constexpr int kTypeList = 0x470;  // cmb1
    constexpr int kFileName = 0x47C;  // cmb13, the file name of this dialog style
    if (type > 0) {
        const HWND types = GetDlgItem(dialog, kTypeList);
        SendMessageA(types, CB_SETCURSEL, type - 1, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kTypeList, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(types));
    }
    SetDlgItemTextA(dialog, kFileName, path.c_str());
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    if (!WaitFor([&] { return !IsWindow(dialog); })) {
        Fail("the file dialog \"%s\" stayed open", title.c_str());
        return 1;
    }
    return 0;
}

// Answers the program's message box with the button named; its text (which
// is printed) must hold expected.
int Answer(const std::string& button, const std::string& expected)
{
    const HWND box = FindDialog("Routewright");
    if (box == nullptr) {
        Fail("no message box (waiting to answer %s for \"%s\")", button.c_str(),
             expected.c_str());
        return 1;
    }
    const std::string text = TextOf(GetDlgItem(box, 0xFFFF));
    std::printf("%s\n", text.c_str());
    if (text.find(expected) == std::string::npos) {
        Fail("message \"%s\" does not say \"%s\"", text.c_str(), expected.c_str());
    }
    const int id = button == "yes" ? IDYES : button == "no" ? IDNO : button == "cancel" ? IDCANCEL : IDOK;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
    if (!WaitFor([&] { return !IsWindow(box); })) {
        Fail("the message box stayed after %s", button.c_str());
    }
    return failures ? 1 : 0;
}

// Waits until the leg tabs number count (a Build made them).
int WaitTabs(int count)
{
    const HWND dialog = FindMain();
    const HWND tabs = dialog ? GetDlgItem(dialog, IDC_LEG_TABS) : nullptr;
    if (!WaitFor([&] { return tabs && SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0) == count; })) {
        Fail("%d leg tabs, expected %d", tabs ? int(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0)) : -1,
             count);
        return 1;
    }
    const int selected = int(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
    if (selected != 0) {
        Fail("tab %d selected after the Build, expected the first", selected);
    }
    return failures ? 1 : 0;
}

// The entries of a runway list joined with "|", and the selected one. An
// entry's text does not cross from process to process, the list's own text
// (its selection) does: each entry is shown in turn, without telling the
// dialog, and the selection put back.
int CheckList(int id, const std::string& entries, const std::string& selected)
{
    const HWND dialog = FindMain();
    const HWND list = dialog ? GetDlgItem(dialog, id) : nullptr;
    const std::string shown = list ? TextOf(list) : "";
    const LRESULT at = list ? SendMessageA(list, CB_GETCURSEL, 0, 0) : CB_ERR;
    std::string joined;
    const int count = list ? int(SendMessageA(list, CB_GETCOUNT, 0, 0)) : 0;
    for (int i = 0; i < count; ++i) {
        SendMessageA(list, CB_SETCURSEL, i, 0);
        joined += (i ? "|" : "") + TextOf(list);
    }
    if (list != nullptr) {
        SendMessageA(list, CB_SETCURSEL, at, 0);
    }
    if (joined != entries) {
        Fail("list %d holds \"%s\", expected \"%s\"", id, joined.c_str(), entries.c_str());
    }
    if (shown != selected) {
        Fail("list %d shows \"%s\" selected, expected \"%s\"", id, shown.c_str(),
             selected.c_str());
    }
    return failures ? 1 : 0;
}

// Picks entry index of a runway list as a user would: the list tells its
// dialog that the selection changed.
int SelectListEntry(int id, int index)
{
    const HWND dialog = FindMain();
    const HWND list = dialog ? GetDlgItem(dialog, id) : nullptr;
    if (list == nullptr || SendMessageA(list, CB_SETCURSEL, index, 0) == CB_ERR) {
        Fail("list %d has no entry %d", id, index);
        return 1;
    }
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    return 0;
}

// Clicks the leg tab index. Where a tab lies is the control's own business:
// clicks go along its middle line until that tab is the selected one.
int ClickTab(int index)
{
    const HWND dialog = FindMain();
    const HWND tabs = dialog ? GetDlgItem(dialog, IDC_LEG_TABS) : nullptr;
    if (tabs == nullptr) {
        Fail("no leg tabs");
        return 1;
    }
    RECT area;
    GetClientRect(tabs, &area);
    const LPARAM middle = (area.bottom - area.top) / 2;
    for (int x = 2; x < area.right; x += 4) {
        if (SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == index) {
            return 0;
        }
        SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, middle));
        SendMessageA(tabs, WM_LBUTTONUP, 0, MAKELPARAM(x, middle));
    }
    if (SendMessageA(tabs, TCM_GETCURSEL, 0, 0) != index) {
        Fail("tab %d selected, expected %d", int(SendMessageA(tabs, TCM_GETCURSEL, 0, 0)), index);
    }
    return failures ? 1 : 0;
}

// The batch progress window: a dialog with the counter and the bar.
HWND FindProgressWindow()
{
    for (HWND w = FindWindowA("#32770", nullptr); w != nullptr;
         w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
        const HWND bar = GetDlgItem(w, IDC_PROGRESS_BAR);
        if (bar != nullptr && GetDlgItem(w, IDC_PROGRESS_COUNTER) != nullptr &&
            ClassOf(bar) == "msctls_progress32") {
            return w;
        }
    }
    return nullptr;
}

bool MessageBoxShows()
{
    for (HWND w = FindWindowA("#32770", nullptr); w != nullptr;
         w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
        if (IsWindowVisible(w) && CaptionOf(w) == "Routewright" && GetDlgItem(w, 0xFFFF)) {
            return true;
        }
    }
    return false;
}

// Follows the progress window of a batch until it is gone or a message box
// of the program waits for an answer; prints each counter it showed, in
// order, with the file name shown with it last (the two texts change one
// after the other). Window texts are read without the program's help, so
// the program need not wait for this.
int WatchBatch()
{
    HWND progress = nullptr;
    if (!WaitFor([&] { return (progress = FindProgressWindow()) != nullptr || MessageBoxShows(); },
                 30000)) {
        Fail("no progress window");
        return 1;
    }
    std::vector<std::pair<std::string, std::string>> shown;  // counter, file
    // Read once also when a message box holds the batch already.
    for (bool first = true;
         progress != nullptr && IsWindow(progress) && (first || !MessageBoxShows()); first = false) {
        char counter[64] = {};
        char file[MAX_PATH] = {};
        char again[64] = {};
        const HWND counterText = GetDlgItem(progress, IDC_PROGRESS_COUNTER);
        const HWND fileText = GetDlgItem(progress, IDC_PROGRESS_FILE);
        GetWindowTextA(counterText, counter, sizeof counter);
        GetWindowTextA(fileText, file, sizeof file);
        GetWindowTextA(counterText, again, sizeof again);
        // Texts read while the window goes are not what it showed: the
        // window must be there after the reads, and the counter the same.
        int number = 0;
        int count = 0;
        if (std::sscanf(counter, "%d of %d", &number, &count) == 2 &&
            std::strcmp(counter, again) == 0 && IsWindow(fileText) && IsWindow(progress)) {
            if (shown.empty() || shown.back().first != counter) {
                shown.emplace_back(counter, file);
            } else {
                shown.back().second = file;
            }
        }
        Sleep(1);
    }
    for (const auto& [counter, file] : shown) {
        std::printf("%s %s\n", counter.c_str(), file.c_str());
    }
    return 0;
}

// Drops files on the main window from inside the program's process:
// rwdrop.dll, beside this driver, is loaded there and reads the paths from
// rwdrop.txt beside it.
int DropFiles(const std::vector<std::string>& paths)
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string folder(self);
    folder.resize(folder.find_last_of('\\') + 1);
    {
        FILE* list = std::fopen((folder + "rwdrop.txt").c_str(), "wb");
        if (list == nullptr) {
            Fail("cannot write the list of dropped files");
            return 1;
        }
        for (const std::string& p : paths) {
            std::fprintf(list, "%s\n", p.c_str());
        }
        std::fclose(list);
    }
    const std::string dll = folder + "rwdrop.dll";
    const HWND dialog = FindMain();
    DWORD processId = 0;
    GetWindowThreadProcessId(dialog, &processId);
    const HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId);
    if (process == nullptr) {
        Fail("cannot open the program's process");
        return 1;
    }
    void* remote = VirtualAllocEx(process, nullptr, dll.size() + 1, MEM_COMMIT | MEM_RESERVE,
                                  PAGE_READWRITE);
    if (remote == nullptr ||
        !WriteProcessMemory(process, remote, dll.c_str(), dll.size() + 1, nullptr)) {
        Fail("cannot write into the program's process");
        CloseHandle(process);
        return 1;
    }
    // The system's DLLs lie at the same place in every process of a width.
    const auto load = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
    const HANDLE thread = CreateRemoteThread(process, nullptr, 0, load, remote, 0, nullptr);
    if (thread == nullptr) {
        Fail("cannot start a thread in the program's process");
        CloseHandle(process);
        return 1;
    }
    WaitForSingleObject(thread, 15000);
    DWORD loaded = 0;
    GetExitCodeThread(thread, &loaded);
    CloseHandle(thread);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    if (loaded == 0) {
        Fail("the program did not load %s", dll.c_str());
        return 1;
    }
    return 0;
}

// Waits until the program has worked off what it was given and waits for
// input again, so that a screenshot shows the result.
int Settle()
{
    const HWND dialog = FindMain();
    DWORD processId = 0;
    GetWindowThreadProcessId(dialog, &processId);
    const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
    if (process == nullptr) {
        Fail("cannot open the program's process");
        return 1;
    }
    Sleep(100);
    WaitForInputIdle(process, 5000);
    CloseHandle(process);
    // Whatever a command invalidated is painted by now.
    SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_BLOCK, 5000, nullptr);
    return 0;
}

// Whether a window of the program is still open (exit code 0) or not.
int CheckOpen()
{
    Sleep(500);
    if (FindWindowA(kFrameClass, nullptr) == nullptr) {
        Fail("the main window closed");
        return 1;
    }
    return 0;
}

// One command with its arguments (argv[1] onwards).
int RunCommand(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "check-main") return CheckMain();
    if (command == "check-extend" && argc > 2) return CheckExtend(argv[2]);
    if (command == "check-strings" && argc > 2) return CheckStrings(argv[2]);
    if (command == "minimize") return Minimize();
    if (command == "check-restored") return CheckRestored();
    if (command == "ctrl" && argc > 2) return PressCommand(argv[2]);
    if (command == "check-reset") return CheckReset();
    if (command == "check-caption" && argc > 2) return CheckCaption(argv[2]);
    if (command == "check-field" && argc > 3) return CheckField(std::atoi(argv[2]), argv[3]);
    if (command == "check-checked" && argc > 3) return CheckChecked(Numbers(argv[2]), Numbers(argv[3]));
    if (command == "click" && argc > 2) return Click(std::atoi(argv[2]));
    if (command == "wait-class" && argc > 2) return WaitClass(argv[2]);
    if (command == "close" && argc > 2) return Close(argv[2]);
    if (command == "wait-window") return FindMain() ? 0 : 1;
    if (command == "wait-gone") return WaitGone();
    if (command == "file-dialog" && argc > 3) return FileDialog(argv[2], argv[3], argc > 4 ? std::atoi(argv[4]) : 0);
    if (command == "answer" && argc > 2) return Answer(argv[2], argc > 3 ? argv[3] : "");
    if (command == "wait-tabs" && argc > 2) return WaitTabs(std::atoi(argv[2]));
    if (command == "check-list" && argc > 4) return CheckList(std::atoi(argv[2]), argv[3], argv[4]);
    if (command == "select-list" && argc > 3) return SelectListEntry(std::atoi(argv[2]), std::atoi(argv[3]));
    if (command == "tab" && argc > 2) return ClickTab(std::atoi(argv[2]));
    if (command == "check-open") return CheckOpen();
    if (command == "settle") return Settle();
    if (command == "watch-batch") return WatchBatch();
    if (command == "drop" && argc > 2) return DropFiles(std::vector<std::string>(argv + 2, argv + argc));
    std::fprintf(stderr,
                 "usage: rwdriver check-main | check-extend extended|normal | check-strings EXE | minimize |\n"
                 "                check-restored | check-reset | ctrl KEY | close cancel-button|close-box |\n"
                 "                check-caption TEXT | check-field ID TEXT | check-checked IDS CHECKED |\n"
                 "                click ID | wait-class CLASS | wait-window | wait-gone |\n"
                 "                file-dialog TITLE PATH [TYPE] | answer ok|yes|no|cancel [TEXT] |\n"
                 "                wait-tabs N | check-list ID ENTRIES SELECTED | select-list ID INDEX |\n"
                 "                tab INDEX | check-open | settle | watch-batch | drop PATH...\n"
                 "Commands joined by a \"+\" argument run one after the other in one run, with\n"
                 "no time lost to starting the driver again in between.\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    int first = 1;
    for (int i = 1; i <= argc; ++i) {
        if (i == argc || std::strcmp(argv[i], "+") == 0) {
            // The command sees its own words as argv[1] onwards.
            char** words = argv + first - 1;
            const int code = RunCommand(i - first + 1, words);
            if (code != 0) {
                return code;
            }
            first = i + 1;
        }
    }
    return 0;
}
