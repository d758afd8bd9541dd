// rwdrop.dll: loaded into Routewright.exe by the test driver, it drops files
// on the main window as the shell does: a drop handle made in the program's
// own process, posted with the dropped-files message. The paths, one a line,
// come from rwdrop.txt beside this DLL.
#include <windows.h>

#include <shlobj.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> PathsBeside(HMODULE self)
{
    char dll[MAX_PATH] = {};
    GetModuleFileNameA(self, dll, sizeof dll);
    std::string list(dll);
    list.resize(list.find_last_of('\\') + 1);
    list += "rwdrop.txt";
    std::vector<std::string> paths;
    std::ifstream in(list);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            paths.push_back(line);
        }
    }
    return paths;
}

void Drop(HMODULE self)
{
    const std::vector<std::string> paths = PathsBeside(self);
    std::size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& p : paths) {
        size += p.size() + 1;
    }
    const HGLOBAL handle = GlobalAlloc(GHND, size);
    auto* files = static_cast<DROPFILES*>(GlobalLock(handle));
    if (files == nullptr) {
        return;
    }
    files->pFiles = sizeof(DROPFILES);
    files->fWide = FALSE;
    char* at = reinterpret_cast<char*>(files) + sizeof(DROPFILES);
    for (const std::string& p : paths) {
        std::memcpy(at, p.c_str(), p.size() + 1);
        at += p.size() + 1;
    }
    GlobalUnlock(handle);
    const HWND main = FindWindowA("Routewright Frame Window Class", nullptr);
    if (main == nullptr || !PostMessageA(main, WM_DROPFILES, reinterpret_cast<WPARAM>(handle), 0)) {
        GlobalFree(handle);
    }
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/)
{
    if (reason == DLL_PROCESS_ATTACH) {
        Drop(instance);
    }
    return TRUE;
}
