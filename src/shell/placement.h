// Window placement arithmetic: keeping a window inside the work area of the
// desktop.
#pragma once

namespace rw {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

// The window moved, at its size, so that it lies inside the work area: a
// left edge left of the area aligns with the area's left edge, otherwise a
// right edge beyond the area aligns with its right edge; the same vertically.
Rect KeepInside(const Rect& window, const Rect& workArea);

// The window centred over the reference (its owner's outer rectangle, or
// the work area when it has no owner) and then kept inside the work area.
// Halves are cut toward zero.
Rect CenterOver(const Rect& window, const Rect& reference, const Rect& workArea);

}  // namespace rw
