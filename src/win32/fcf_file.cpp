// The probe of binary plan files, over a read-only view of the whole file.
#include "win32/fcf_file.h"

#include "common/texts.h"
#include "route/fcf_probe.h"

namespace rw {

void ProbeFcfFile(Win32Shell& shell)
{
    User& user = shell.user;
    const char* path = shell.state.sourcePath.c_str();
    const auto fail = [&](const std::string& text) {
        user.ShowText(text, MessageIcon::Stop, MessageButtons::Ok);
    };

    WIN32_FILE_ATTRIBUTE_DATA attributes;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &attributes)) {
        fail(FormatPrintf("Could not open %s\n", path));
        return;
    }
    const DWORD size = attributes.nFileSizeLow;

    const HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        fail(FormatPrintf("Could not open %s\n", path));
        return;
    }
    if (size == 0) {
        // Nothing can be mapped; an empty file holds no title and no record.
        CloseHandle(file);
        ShowFcfProbe(user, ProbeFcfBytes(nullptr, 0));
        return;
    }
    const HANDLE mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, "fplfile");
    if (mapping != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
        fail(FormatPrintf("File mapping failed, object already exists\n, file: %s", path));
        CloseHandle(mapping);
        CloseHandle(file);
        return;
    }
    if (mapping == nullptr) {
        fail(FormatPrintf("File mapping failed, error code %d, file: %s\n",
                          static_cast<int>(GetLastError()), path));
        CloseHandle(file);
        return;
    }
    const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
    if (view == nullptr) {
        CloseHandle(mapping);
        CloseHandle(file);
        fail(FormatPrintf("Could not map file: %s\nMaybe your virtual memory setting is too low",
                          path));
        return;
    }
    // The probe reads only inside the size it is given: the low 32 bits.
    const FcfProbe probe = ProbeFcfBytes(static_cast<const std::uint8_t*>(view), size);
    ShowFcfProbe(user, probe);
    UnmapViewOfFile(view);
    CloseHandle(mapping);
    CloseHandle(file);
}

}  // namespace rw
