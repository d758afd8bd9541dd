// The system's file dialogs as the logic asks for them: a request of plain
// values in, the chosen file out.
#pragma once

#include <string>
#include <vector>

#include "common/fixed_text.h"

namespace rw {

struct FileFilter {
    std::string description;  // shown in the type list
    std::string pattern;      // e.g. "*.txt"
};

struct OpenFileRequest {
    std::string title;
    std::vector<FileFilter> filters;  // in the order of the type list
    PathText initialFileName;
    PathText initialFolder;
    std::string defaultExtension;  // without the dot
    bool pathMustExist = false;
    bool fileMustExist = false;
};

struct SaveFileRequest {
    std::string title;
    std::vector<FileFilter> filters;  // in the order of the type list
    int filterIndex = 1;              // the type selected at first, from 1
    PathText initialFileName;         // the file proposed, a full path
    PathText initialFolder;
    std::string defaultExtension;  // without the dot
    bool pathMustExist = false;
    bool overwritePrompt = false;  // the dialog asks before choosing an existing file
};

struct ChosenFile {
    PathText path;        // full path
    PathText fileName;    // file name part, no folder
    int filterIndex = 1;  // the save dialog's type chosen, from 1
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // Shows the open-file dialog, owned by the main window. False when the
    // user cancels; chosen is then left as it was.
    [[nodiscard]] virtual bool ShowOpenDialog(const OpenFileRequest& request,
                                              ChosenFile& chosen) = 0;

    // Shows the save-file dialog, owned by the main window; the same answers.
    [[nodiscard]] virtual bool ShowSaveDialog(const SaveFileRequest& request,
                                              ChosenFile& chosen) = 0;
};

}  // namespace rw
