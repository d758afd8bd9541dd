// Placement of caption, icon and focus rectangle on owner-drawn buttons.
#include "shell/icon_button.h"

#include <gtest/gtest.h>

#include "resources/resource.h"

namespace rw {
namespace {

IconButtonLayoutInput Button(HorizontalAlign h, VerticalAlign v)
{
    IconButtonLayoutInput in;
    in.workWidth = 101;
    in.workHeight = 23;
    in.textWidth = 40;
    in.textHeight = 13;
    in.iconWidth = 16;
    in.iconHeight = 16;
    in.horizontal = h;
    in.vertical = v;
    return in;
}

TEST(IconButton, PlacesTextAndIconByAlignment)
{
    struct Case {
        HorizontalAlign h;
        VerticalAlign v;
        int textX, iconX, textY, iconY;
    };
    const Case cases[] = {
        {HorizontalAlign::Left, VerticalAlign::Top, 0, 48, 0, 0},
        {HorizontalAlign::Right, VerticalAlign::Bottom, 61, 37, 10, 7},
        // Halvings cut toward zero: (101 - 40) / 2 = 30, (23 - 13) / 2 = 5, (23 - 16) / 2 = 3.
        {HorizontalAlign::Centre, VerticalAlign::Centre, 30, 78, 5, 3},
        {HorizontalAlign::None, VerticalAlign::None, 0, 85, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.h));
        const IconButtonLayout at = LayoutIconButton(Button(c.h, c.v));
        EXPECT_EQ(at.textX, c.textX);
        EXPECT_EQ(at.iconX, c.iconX);
        EXPECT_EQ(at.textY, c.textY);
        EXPECT_EQ(at.iconY, c.iconY);
        EXPECT_EQ(at.focusLeft, c.textX);
        EXPECT_EQ(at.focusTop, c.textY);
        EXPECT_EQ(at.focusRight, c.textX + 40);
        EXPECT_EQ(at.focusBottom, c.textY + 13);
        EXPECT_EQ(at.offsetX, 0);
        EXPECT_EQ(at.offsetY, 0);
    }
}

TEST(IconButton, PressedButtonMovesByOneBorder)
{
    IconButtonLayoutInput in = Button(HorizontalAlign::Centre, VerticalAlign::Centre);
    in.borderWidth = 1;
    in.borderHeight = 2;
    const IconButtonLayout released = LayoutIconButton(in);
    in.selected = true;
    const IconButtonLayout pressed = LayoutIconButton(in);
    EXPECT_EQ(pressed.textX, released.textX);
    EXPECT_EQ(pressed.offsetX, 1);
    EXPECT_EQ(pressed.offsetY, 2);
}

TEST(IconButton, OnlyALeadingAmpersandIsRemoved)
{
    EXPECT_EQ(IconButtonCaption("&Open..."), "Open...");
    EXPECT_EQ(IconButtonCaption("S&ave as..."), "S&ave as...");
    EXPECT_EQ(IconButtonCaption(""), "");
    EXPECT_EQ(IconButtonCaption(std::string(300, 'x')).size(), 255u);
}

TEST(IconButton, IconsByControl)
{
    EXPECT_EQ(IconButtonIcon(IDC_OPEN), IDI_OPEN);
    EXPECT_EQ(IconButtonIcon(IDC_SAVE_AS), IDI_SAVE_AS);
    EXPECT_EQ(IconButtonIcon(IDC_DETAILS), IDI_DETAILS);
    EXPECT_EQ(IconButtonIcon(IDC_BUILD), IDI_BUTTON);
}

}  // namespace
}  // namespace rw
