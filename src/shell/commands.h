// The main window's commands that carry a plan from its source to its
// output: Open, Build, Save, Save as, the leg tabs, Expand and Collapse, and
// the unsaved-plan question before an action that would drop the route.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/route_tree.h"
#include "shell/context.h"

namespace rw {

// The main window's views of the route, beside the context.
struct RouteViews {
    RouteTree& tree;
    LegTabs& tabs;
    // Looks into one of the planner's binary plan files at sourcePath.
    std::function<void()> probeFcfFile;
};

enum class OpenOutcome { Cancelled, Probed, BuildPosted };

// Open: the unsaved-plan question, the open dialog, then the probe of a
// ".fcf" file or a posted Build with the destination named anew.
OpenOutcome OpenCommand(Context& context, RouteViews& views);

// Build: RouteBuilt from the Build, and message 40033 when it failed. As the
// answer of a sent command: 1 when built, else 0.
bool BuildCommand(Context& context, RouteViews& views);

// Save (bulk). As the answer of a sent command: 1 when every plan switched
// on was written, else 0 (also when none is switched on).
std::intptr_t SaveCommand(Context& context);

// Another leg tab chosen: it becomes the current leg and is shown.
void SelectLeg(Context& context, int tabIndex);

// Expand or Collapse from the selected item of the tree, else its first.
void ExpandCommand(RouteViews& views, bool expand);

// Before an action that drops the route: while it is unsaved, the question
// whether to save it. False when the action must stop: Cancel, or Yes with
// a save that did not write every plan switched on.
[[nodiscard]] bool MayDropRoute(Context& context);

// The destination field's text changed: typed, or written by the program.
void DestinationChanged(Context& context);

// The flight rules and route type buttons the settings check at start.
void CheckDefaultRadios(MainWindow& window, const AppSettings& settings);

// Runs command id when it is one of the commands above (and Save as);
// false for any other command.
bool RunRouteCommand(Context& context, RouteViews& views, int id, std::intptr_t& result);

}  // namespace rw
