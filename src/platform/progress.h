// The progress window of a batch conversion, as the batch drives it.
#pragma once

#include <string_view>

namespace rw {

class BatchProgress {
public:
    virtual ~BatchProgress() = default;

    // Opens the window over the main window with a bar of fileCount steps;
    // false when it could not be made (the batch then runs without it).
    virtual bool Create(int fileCount) = 0;
    // The counter ("1 of 3") and the name of the file at work.
    virtual void ShowFile(std::string_view counter, std::string_view title) = 0;
    // One file done.
    virtual void Step() = 0;
    virtual void Destroy() = 0;
};

}  // namespace rw
