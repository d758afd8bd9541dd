// Where the owner-drawn push button puts its caption, icon and focus
// rectangle: the arithmetic of the painter, apart from the drawing.
#pragma once

#include <string>
#include <string_view>

namespace rw {

enum class HorizontalAlign { None, Left, Right, Centre };
enum class VerticalAlign { None, Top, Bottom, Centre };

struct IconButtonLayoutInput {
    int workWidth = 0;   // the item rectangle less one border on every side
    int workHeight = 0;
    int textWidth = 0;   // the caption measured in the button's font
    int textHeight = 0;
    int iconWidth = 0;   // the small-icon size
    int iconHeight = 0;
    HorizontalAlign horizontal = HorizontalAlign::None;
    VerticalAlign vertical = VerticalAlign::None;
    bool selected = false;  // pressed
    int borderWidth = 1;
    int borderHeight = 1;
};

struct IconButtonLayout {
    int textX = 0, textY = 0;   // relative to the button's origin, before the pressed offset
    int iconX = 0, iconY = 0;
    int focusLeft = 0, focusTop = 0, focusRight = 0, focusBottom = 0;
    int offsetX = 0, offsetY = 0;  // one border further right and down while pressed
};

IconButtonLayout LayoutIconButton(const IconButtonLayoutInput& in);

// The caption as drawn: at most 255 characters, a leading "&" removed (an
// ampersand further on stays).
std::string IconButtonCaption(std::string_view text);

// The icon resource drawn on the owner-drawn button with this identifier.
int IconButtonIcon(int controlId);

}  // namespace rw
