// Opening one of the planner's binary plan files through a read-only file
// mapping, for the probe.
#pragma once

#include "win32/shell.h"

namespace rw {

// Probes the file at sourcePath and shows what it found.
void ProbeFcfFile(Win32Shell& shell);

}  // namespace rw
