// Keeping windows inside the desktop's work area.
#include "shell/placement.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

TEST(KeepInside, MovesEachEdgeBackInsideAtTheSameSize)
{
    const Rect work{0, 0, 1024, 738};
    struct Case {
        const char* what;
        Rect window;
        Rect expected;
    };
    const Case cases[] = {
        {"inside stays", {100, 50, 676, 513}, {100, 50, 676, 513}},
        {"off the top left", {-200, -100, 376, 363}, {0, 0, 576, 463}},
        {"off the bottom right", {700, 600, 1276, 1063}, {448, 275, 1024, 738}},
        // Wider than the area: the left edge wins.
        {"too wide", {-10, 0, 1100, 300}, {0, 0, 1110, 300}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(KeepInside(c.window, work), c.expected);
    }
}

}  // namespace
}  // namespace rw
