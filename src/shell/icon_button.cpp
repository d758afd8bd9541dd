// Placement arithmetic of the owner-drawn push buttons.
#include "shell/icon_button.h"

#include "resources/resource.h"

namespace rw {

IconButtonLayout LayoutIconButton(const IconButtonLayoutInput& in)
{
    IconButtonLayout out;
    const int w = in.workWidth;
    const int h = in.workHeight;
    const int tw = in.textWidth;
    const int th = in.textHeight;
    const int s = in.iconWidth;
    const int t = in.iconHeight;
    const int half = s / 2;

    switch (in.horizontal) {
    case HorizontalAlign::Left:
        out.textX = 0;
        out.iconX = tw + half;
        break;
    case HorizontalAlign::Right:
        out.textX = w - tw;
        out.iconX = out.textX - half - s;
        break;
    case HorizontalAlign::Centre:
        out.textX = (w - tw) / 2;
        out.iconX = out.textX + tw + half;
        break;
    case HorizontalAlign::None:
        out.textX = 0;
        out.iconX = w - s;
        break;
    }

    switch (in.vertical) {
    case VerticalAlign::Bottom:
        out.textY = h - th;
        out.iconY = h - t;
        break;
    case VerticalAlign::Centre:
        out.textY = (h - th) / 2;
        out.iconY = (h - t) / 2;
        break;
    case VerticalAlign::Top:
    case VerticalAlign::None:
        out.textY = 0;
        out.iconY = 0;
        break;
    }

    out.focusLeft = out.textX;
    out.focusTop = out.textY;
    out.focusRight = out.textX + tw;
    out.focusBottom = out.textY + th;

    if (in.selected) {
        out.offsetX = in.borderWidth;
        out.offsetY = in.borderHeight;
    }
    return out;
}

std::string IconButtonCaption(std::string_view text)
{
    if (text.size() > 255) {
        text = text.substr(0, 255);
    }
    if (!text.empty() && text.front() == '&') {
        text.remove_prefix(1);
    }
    return std::string(text);
}

int IconButtonIcon(int controlId)
{
    switch (controlId) {
    case IDC_OPEN:
        return IDI_OPEN;
    case IDC_SAVE_AS:
        return IDI_SAVE_AS;
    case IDC_DETAILS:
        return IDI_DETAILS;
    default:
        return IDI_BUTTON;
    }
}

}  // namespace rw
