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

TEST(CenterOver, CentresOverTheReferenceAndStaysInside)
{
    const Rect work{0, 0, 1024, 738};
    struct Case {
        const char* what;
        Rect reference;
        Rect expected;
    };
    const Case cases[] = {
        // A 405 by 97 window over a 760 by 460 owner at 100, 50: centre 480, 280.
        {"over the owner", {100, 50, 860, 510}, {278, 232, 683, 329}},
        // Halves cut toward zero: centre (-1 + 0) / 2 = 0.
        {"odd sums", {-1, -1, 0, 0}, {0, 0, 405, 97}},
        {"owner near the right edge", {900, 600, 1300, 900}, {619, 641, 1024, 738}},
        {"owner off the left edge", {-600, 100, -100, 300}, {0, 152, 405, 249}},
        {"no owner: the work area", work, {310, 321, 715, 418}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CenterOver(Rect{0, 0, 405, 97}, c.reference, work), c.expected);
    }
}

}  // namespace
}  // namespace rw
