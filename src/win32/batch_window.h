// The Windows side of the batch conversion: the progress window, the files
// dropped on the main dialog and those named on the command line.
#pragma once

#include <windows.h>

#include "platform/progress.h"
#include "win32/shell.h"

namespace rw {

// The progress window (dialog 142) over the main dialog.
class Win32BatchProgress : public BatchProgress {
public:
    explicit Win32BatchProgress(Win32Shell& shell) : shell_(shell) {}

    bool Create(int fileCount) override;
    void ShowFile(std::string_view counter, std::string_view title) override;
    void Step() override;
    void Destroy() override;

private:
    Win32Shell& shell_;
};

// Creates the modeless progress window owned by owner, shown without taking
// the focus and centred over its owner; false when it cannot be made.
bool CreateProgressWindow(Win32Shell& shell, HINSTANCE instance, HWND owner);

// Moves window, at its size and place in the Z order and without activating
// it, to the centre of owner (its own owner when none is given, the work
// area when it has none), inside the work area.
void CenterOverOwner(HWND window, HWND owner);

// The dropped-files message of the main dialog.
void ConvertDroppedFiles(Win32Shell& shell, HDROP drop);

// The files named on the command line; closes the main dialog afterwards
// unless the batch stopped at the unsaved-plan question.
void ConvertCommandLineFiles(Win32Shell& shell, HWND dialog);

}  // namespace rw
