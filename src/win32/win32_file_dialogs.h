// The system's common file dialogs for the logic, owned by the main dialog.
#pragma once

#include <windows.h>

#include "platform/file_dialogs.h"

namespace rw {

struct Win32Shell;

class Win32FileDialogs : public FileDialogs {
public:
    explicit Win32FileDialogs(const Win32Shell& shell) : shell_(shell) {}

    [[nodiscard]] bool ShowOpenDialog(const OpenFileRequest& request, ChosenFile& chosen) override;
    [[nodiscard]] bool ShowSaveDialog(const SaveFileRequest& request, ChosenFile& chosen) override;

private:
    const Win32Shell& shell_;
};

}  // namespace rw
