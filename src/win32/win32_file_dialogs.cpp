// The common open-file and save-file dialogs.
#include "win32/win32_file_dialogs.h"

#include <commdlg.h>

#include <cstring>
#include <string>
#include <vector>

#include "win32/shell.h"

namespace rw {
namespace {

// The dialog's filter list: description and pattern pairs, each text ended
// by a zero, the list by one more.
std::string FilterList(const std::vector<FileFilter>& filters)
{
    std::string list;
    for (const FileFilter& filter : filters) {
        list += filter.description;
        list += '\0';
        list += filter.pattern;
        list += '\0';
    }
    list += '\0';
    return list;
}

}  // namespace

bool Win32FileDialogs::ShowOpenDialog(const OpenFileRequest& request, ChosenFile& chosen)
{
    const std::string filters = FilterList(request.filters);
    char path[MAX_PATH] = {};
    char fileName[MAX_PATH] = {};
    std::memcpy(path, request.initialFileName.c_str(), request.initialFileName.size());

    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = shell_.mainDialog;
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof(path);
    dialog.lpstrFileTitle = fileName;
    dialog.nMaxFileTitle = sizeof(fileName);
    dialog.lpstrInitialDir =
        request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
    dialog.lpstrTitle = request.title.c_str();
    dialog.lpstrDefExt =
        request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    dialog.Flags = (request.pathMustExist ? OFN_PATHMUSTEXIST : 0) |
                   (request.fileMustExist ? OFN_FILEMUSTEXIST : 0);
    if (!GetOpenFileNameA(&dialog)) {
        return false;
    }
    chosen.path = path;
    chosen.fileName = fileName;
    return true;
}

bool Win32FileDialogs::ShowSaveDialog(const SaveFileRequest& request, ChosenFile& chosen)
{
    const std::string filters = FilterList(request.filters);
    char path[MAX_PATH] = {};
    char fileName[MAX_PATH] = {};
    std::memcpy(path, request.initialFileName.c_str(), request.initialFileName.size());

    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = shell_.mainDialog;
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = request.filterIndex > 0 ? static_cast<DWORD>(request.filterIndex) : 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof(path);
    dialog.lpstrFileTitle = fileName;
    dialog.nMaxFileTitle = sizeof(fileName);
    dialog.lpstrInitialDir =
        request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
    dialog.lpstrTitle = request.title.c_str();
    dialog.lpstrDefExt =
        request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    dialog.Flags = (request.pathMustExist ? OFN_PATHMUSTEXIST : 0) |
                   (request.overwritePrompt ? OFN_OVERWRITEPROMPT : 0);
    if (!GetSaveFileNameA(&dialog)) {
        return false;
    }
    chosen.path = path;
    chosen.fileName = fileName;
    chosen.filterIndex = static_cast<int>(dialog.nFilterIndex);
    return true;
}

}  // namespace rw
