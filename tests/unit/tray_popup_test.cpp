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
    return PlacePopup({{x, y}, work, 195, 25, 17, items, false, {}});
}

// The same list at a text caret: a one-pixel line 18 pixels tall whose top-left corner is (x, y).
PopupPlacement AtCaret(long x, long y, long items = 30, ScreenRect work = {0, 0, 1024, 748})
{
    return PlacePopup({{0, 0}, work, 195, 25, 17, items, true, {x, y, x + 1, y + 18}});
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

TEST(PopupPlacement, AtACaretOpensJustBelowItsLineWithAShortListOrAboveWhereThereIsMoreRoom)
{
    // Below: twelve rows at most, fewer for a shorter list.
    EXPECT_EQ(Edges(AtCaret(500, 300).field), (V{500, 318, 695, 343}));
    EXPECT_EQ(Edges(AtCaret(500, 300).list), (V{500, 343, 695, 549}));
    EXPECT_EQ(Edges(AtCaret(500, 300, 3).list), (V{500, 343, 695, 396}));
    EXPECT_EQ(Edges(AtCaret(0, 0).field), (V{0, 18, 195, 43}));
    // Near the bottom: above the line, the field next to it.
    EXPECT_EQ(Edges(AtCaret(100, 600).field), (V{100, 575, 295, 600}));
    EXPECT_EQ(Edges(AtCaret(100, 600).list), (V{100, 369, 295, 575}));
    EXPECT_EQ(Edges(AtCaret(100, 742).field), (V{100, 717, 295, 742}));
    // Near the right edge it moves left; on a monitor left of and above the main one it stays
    // on that monitor's work area.
    EXPECT_EQ(Edges(AtCaret(1000, 300).field), (V{829, 318, 1024, 343}));
    EXPECT_EQ(Edges(AtCaret(-100, -500, 30, {-1280, -1024, 0, -40}).field),
              (V{-195, -482, 0, -457}));
    // Room for neither: the side with more room, the list cut at the work area's edge.
    EXPECT_EQ(Edges(AtCaret(10, 90, 30, {0, 0, 1024, 200}).field), (V{10, 108, 205, 133}));
    EXPECT_EQ(Edges(AtCaret(10, 90, 30, {0, 0, 1024, 200}).list), (V{10, 133, 205, 200}));
    EXPECT_EQ(Edges(AtCaret(10, 100, 30, {0, 0, 1024, 200}).list), (V{10, 0, 205, 75}));
}

TEST(PopupPlacement, WithoutACaretTheCursorCountsWhateverTheCaretRectangleHolds)
{
    PopupPlacement unknown = PlacePopup({{500, 300}, {0, 0, 1024, 748}, 195, 25, 17, 30, false,
                                         {10, 10, 11, 28}});
    EXPECT_EQ(Edges(unknown.field), (V{500, 300, 695, 325}));
    EXPECT_EQ(Edges(unknown.list), (V{500, 325, 695, 748}));
}

} // namespace
