// Owner-drawn icon buttons and the elliptical push button.
#include "win32/controls.h"

#include <string>

#include "shell/icon_button.h"
#include "win32/startup.h"

namespace rw {
namespace {

HorizontalAlign HorizontalOf(LONG style)
{
    switch (style & BS_CENTER) {
    case BS_LEFT: return HorizontalAlign::Left;
    case BS_RIGHT: return HorizontalAlign::Right;
    case BS_CENTER: return HorizontalAlign::Centre;
    default: return HorizontalAlign::None;
    }
}

VerticalAlign VerticalOf(LONG style)
{
    switch (style & BS_VCENTER) {
    case BS_TOP: return VerticalAlign::Top;
    case BS_BOTTOM: return VerticalAlign::Bottom;
    case BS_VCENTER: return VerticalAlign::Centre;
    default: return VerticalAlign::None;
    }
}

void ClickParent(HWND window)
{
    const int id = GetDlgCtrlID(window);
    SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(window));
}

}  // namespace

void DrawIconButton(HWND /*owner*/, const DRAWITEMSTRUCT& item)
{
    if (item.CtlType != ODT_BUTTON) {
        return;
    }
    const HDC dc = item.hDC;
    const int savedState = SaveDC(dc);

    const int borderX = GetSystemMetrics(SM_CXBORDER);
    const int borderY = GetSystemMetrics(SM_CYBORDER);
    RECT work = item.rcItem;
    InflateRect(&work, -borderX, -borderY);

    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool grayed = (item.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const COLORREF textColour =
        GetSysColor(!selected && grayed ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT);

    const int iconWidth = GetSystemMetrics(SM_CXSMICON);
    const int iconHeight = GetSystemMetrics(SM_CYSMICON);
    const HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(item.hwndItem, GWLP_HINSTANCE));
    const HICON icon = static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(IconButtonIcon(static_cast<int>(item.CtlID))),
                   IMAGE_ICON, iconWidth, iconHeight, LR_LOADTRANSPARENT));
    SetTextColor(dc, textColour);

    char text[256] = {};
    GetWindowTextA(item.hwndItem, text, sizeof text);
    const std::string caption = IconButtonCaption(text);
    SIZE extent = {};
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);

    IconButtonLayoutInput in;
    in.workWidth = work.right - work.left;
    in.workHeight = work.bottom - work.top;
    in.textWidth = extent.cx;
    in.textHeight = extent.cy;
    in.iconWidth = iconWidth;
    in.iconHeight = iconHeight;
    const LONG style = GetWindowLongA(item.hwndItem, GWL_STYLE);
    in.horizontal = HorizontalOf(style);
    in.vertical = VerticalOf(style);
    in.selected = selected;
    in.borderWidth = borderX;
    in.borderHeight = borderY;
    const IconButtonLayout at = LayoutIconButton(in);

    InflateRect(&work, 1, 1);
    DrawEdge(dc, &work, selected ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, at.textX + at.offsetX, at.textY + at.offsetY, caption.c_str(),
             static_cast<int>(caption.size()));
    if (icon != nullptr) {
        DrawIconEx(dc, at.iconX + at.offsetX, at.iconY + at.offsetY, icon, iconWidth, iconHeight,
                   0, nullptr, DI_NORMAL);
        DestroyIcon(icon);
    }
    if (item.itemState & ODS_FOCUS) {
        RECT focus = {at.focusLeft, at.focusTop, at.focusRight, at.focusBottom};
        OffsetRect(&focus, at.offsetX, at.offsetY);
        DrawFocusRect(dc, &focus);
    }
    RestoreDC(dc, savedState);
}

LRESULT CALLBACK EllipPushProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        RECT client;
        GetClientRect(window, &client);
        char caption[40] = {};
        GetWindowTextA(window, caption, sizeof caption);
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        const HBRUSH brush = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
        const HGDIOBJ oldBrush = SelectObject(dc, brush);
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        Ellipse(dc, client.left, client.top, client.right, client.bottom);
        DrawTextA(dc, caption, -1, &client, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        SelectObject(dc, oldBrush);
        DeleteObject(brush);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_LBUTTONUP:
        // The release alone counts: no capture, no pressed look.
        ClickParent(window);
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && GetFocus() == window) {
            ClickParent(window);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace rw
