// The shell's folder picker.
#pragma once

#include <string>
#include <string_view>

namespace rw {

enum class FolderChoice {
    Chosen,        // folder holds the chosen folder's full path
    Cancelled,
    NoFolderPath,  // the chosen item is no folder of the file system
    Unavailable,   // the shell's task allocator could not be had
};

class FolderPicker {
public:
    virtual ~FolderPicker() = default;
    virtual FolderChoice ChooseFolder(std::string_view prompt, std::string& folder) = 0;
};

}  // namespace rw
