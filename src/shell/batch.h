// Batch conversion: dropped files and the files named on the command line,
// each built and saved in every format switched on, behind a progress
// window, with overwriting and quiet mode forced on for the time it takes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/progress.h"
#include "shell/context.h"

namespace rw {

// The file-name part of a path: the text after its last folder separator
// (or, on Windows, a drive's colon); the whole text when it has neither.
std::string_view FileTitleOf(std::string_view path);

struct BatchResult {
    bool ran = false;     // false: refused, or stopped at the unsaved-plan question
    int processed = 0;    // files taken through Build and Save
    int failed = 0;       // files skipped, not built, or not saved in every format
};

// Files dropped on the main window. The unsaved-plan question is asked once,
// before the first; each path is shown under the name the file system
// stores. A drop while a batch is running is refused.
BatchResult RunDropBatch(Context& context, BatchProgress& progress,
                         const std::vector<std::string>& paths);

// Files named on the command line: the question before every file, paths
// taken as they stand. The caller closes the main window afterwards unless
// the batch did not run.
BatchResult RunCommandLineBatch(Context& context, BatchProgress& progress,
                                const std::vector<std::string>& paths);

}  // namespace rw
