#include <gtest/gtest.h>

#include <vector>

#include "app/popup_placement.h"
#include "app/tray_click_rule.h"

namespace {

TEST(TrayClick, LeftShowsOrHidesRightOpensTheMenuAndABusyProgramIgnoresBoth)
{
    const unsigned int leftDown = 0x0201, leftDoubleClick = 0x0203, rightDown = 0x0204;
    EXPECT_EQ(DecideTrayClick(leftDown, true, true, false), TrayClickAction::HidePicker);
    EXPECT_EQ(DecideTrayClick(leftDown, false, true, false), TrayClickAction::ShowPicker);
    EXPECT_EQ(DecideTrayClick(leftDown, false, true, true), TrayClickAction::Nothing);
    EXPECT_EQ(DecideTrayClick(leftDoubleClick, false, true, false), TrayClickAction::Nothing);
    EXPECT_EQ(DecideTrayClick(rightDown, true, true, true), TrayClickAction::OpenMenu);
    EXPECT_EQ(DecideTrayClick(rightDown, true, false, false), TrayClickAction::Nothing);
    EXPECT_EQ(DecideTrayClick(leftDown, false, false, false), TrayClickAction::Nothing);
}

// A 1024 x 768 screen whose taskbar takes the bottom 20 pixels; a list as wide as the picker's,
// with a 25-pixel field and 17-pixel rows.
PopupPlacement At(long x, long y, long items = 30, ScreenRect work = {0, 0, 1024, 748})
{
    return PlacePopup({{x, y}, work, 195, 25, 17, items});
}

std::vector<long> Edges(const ScreenRect& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

using V = std::vector<long>;

TEST(PopupPlacement, OpensAtTheCursorDownToTheBottomWhileEightRowsOrTheWholeListFit)
{
    EXPECT_EQ(Edges(At(500, 300).field), (V{500, 300, 695, 325}));
    EXPECT_EQ(Edges(At(500, 300).list), (V{500, 325, 695, 748}));
    EXPECT_EQ(Edges(At(10, 585).list), (V{10, 610, 205, 748}));
    EXPECT_EQ(Edges(At(10, 586).list), (V{10, 74, 205, 586}));
    EXPECT_EQ(Edges(At(10, 670, 3).list), (V{10, 695, 205, 748}));
}

TEST(PopupPlacement, OpensUpwardForEveryRowAndStaysOnTheWorkAreaOfTheCursorsMonitor)
{
    EXPECT_EQ(Edges(At(1020, 760, 3).field), (V{829, 723, 1024, 748}));
    EXPECT_EQ(Edges(At(1020, 760, 3).list), (V{829, 670, 1024, 723}));
    EXPECT_EQ(Edges(At(1000, 747, 0).list), (V{829, 704, 1024, 723}));
    EXPECT_EQ(Edges(At(300, 700, 1000).list), (V{300, 0, 495, 700}));
    EXPECT_EQ(Edges(At(2040, 100, 30, {1024, 0, 2048, 738}).list), (V{1853, 125, 2048, 738}));
    EXPECT_EQ(Edges(At(-50, -1020, 30, {-1280, -1024, 0, -40}).field), (V{-195, -1020, 0, -995}));
    EXPECT_EQ(Edges(At(5, 5, 30, {0, 0, 150, 600}).field), (V{0, 5, 150, 30}));
}

} // namespace
