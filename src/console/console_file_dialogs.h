// The file dialogs of the command-line program: there is nothing to choose
// with on a terminal, so no file is ever chosen.
#pragma once

#include "platform/file_dialogs.h"

namespace rw {

class ConsoleFileDialogs : public FileDialogs {
public:
    [[nodiscard]] bool ShowOpenDialog(const OpenFileRequest&, ChosenFile&) override
    {
        return false;
    }
    [[nodiscard]] bool ShowSaveDialog(const SaveFileRequest&, ChosenFile&) override
    {
        return false;
    }
};

}  // namespace rw
