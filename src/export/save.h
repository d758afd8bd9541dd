// The Save as and Save commands: one plan in the format chosen in the
// save dialog, or a bulk of plans, one per format switched on for it.
#pragma once

#include "common/fixed_text.h"
#include "shell/context.h"

namespace rw {

// The Save-as dialog, proposing path; true when the user confirmed it:
// path and name then hold the chosen file and FilterIndex the chosen type.
[[nodiscard]] bool ChoosePlanFile(Context& context, PathText& path, PathText& name);

// Save as: without a built route, message 40019 and a posted Build;
// otherwise the dialog, then the writer of the chosen type into destPath
// and its message. True when a plan was written.
[[nodiscard]] bool SaveAs(Context& context);

// Save: a plan for each format whose bulk switch is on, in the order MS
// Flight Simulator, ACS-GPS, SquawkBox, Radar Contact, Super Flight Planner,
// Nav, each in its default folder, each with its message; 40032 when no
// switch is on. True when at least one plan was handled and every one was
// written.
[[nodiscard]] bool SaveBulk(Context& context);

}  // namespace rw
