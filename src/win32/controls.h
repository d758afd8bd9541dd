// The two button-drawing facilities that dialog templates can use: the
// owner-drawn push button painter and the "EllipPush" class.
#pragma once

#include <windows.h>

namespace rw {

void DrawIconButton(HWND owner, const DRAWITEMSTRUCT& item);

}  // namespace rw
