// Window placement arithmetic.
#include "shell/placement.h"

namespace rw {
namespace {

// One axis: the new start of a span [start, end) inside [areaStart, areaEnd).
int Fit(int start, int end, int areaStart, int areaEnd)
{
    if (start < areaStart) {
        return areaStart;
    }
    if (end > areaEnd) {
        return areaEnd - (end - start);
    }
    return start;
}

}  // namespace

Rect KeepInside(const Rect& window, const Rect& workArea)
{
    const int left = Fit(window.left, window.right, workArea.left, workArea.right);
    const int top = Fit(window.top, window.bottom, workArea.top, workArea.bottom);
    return Rect{left, top, left + window.Width(), top + window.Height()};
}

Rect CenterOver(const Rect& window, const Rect& reference, const Rect& workArea)
{
    const int centreX = (reference.left + reference.right) / 2;
    const int centreY = (reference.top + reference.bottom) / 2;
    const int left = centreX - window.Width() / 2;
    const int top = centreY - window.Height() / 2;
    return KeepInside(Rect{left, top, left + window.Width(), top + window.Height()}, workArea);
}

}  // namespace rw
