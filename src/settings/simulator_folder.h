// The folder in which the flight simulator is installed, from the registry.
#pragma once

#include "common/fixed_text.h"
#include "platform/registry.h"

namespace rw {

// Tries the simulator's two registry locations in order. True with the
// folder in folder; false leaves folder as it was.
[[nodiscard]] bool FindSimulatorFolder(Registry& registry, PathText& folder);

}  // namespace rw
