#include <gtest/gtest.h>

#include "app/popup_placement.h"
#include "app/tray_click_rule.h"

namespace {

const unsigned int LeftDown = 0x0201;
const unsigned int LeftUp = 0x0202;
const unsigned int LeftDoubleClick = 0x0203;
const unsigned int RightDown = 0x0204;

TEST(TrayClick, LeftShowsOrHidesRightOpensTheMenuAndABusyProgramIgnoresBoth)
{
    EXPECT_EQ(DecideTrayClick(LeftDown, true, true, false), TrayClickAction::HidePicker);
    EXPECT_EQ(DecideTrayClick(LeftDown, false, true, false), TrayClickAction::ShowPicker);
    EXPECT_EQ(DecideTrayClick(RightDown, true, true, false), TrayClickAction::OpenMenu);
    EXPECT_EQ(DecideTrayClick(RightDown, false, true, true), TrayClickAction::OpenMenu);
    for (bool visible : {false, true}) {
        EXPECT_EQ(DecideTrayClick(LeftDown, visible, true, true), TrayClickAction::Nothing)
            << "auto-hide alone shows and hides the picker";
        for (unsigned int message : {LeftDown, RightDown}) {
            EXPECT_EQ(DecideTrayClick(message, visible, false, false), TrayClickAction::Nothing);
        }
        for (unsigned int message : {LeftUp, LeftDoubleClick, 0x0200u, 0x0205u}) {
            EXPECT_EQ(DecideTrayClick(message, visible, true, false), TrayClickAction::Nothing);
        }
    }
}

// A 1024 x 768 screen whose taskbar takes the bottom 20 pixels; a list as wide as the picker's,
// with a 25-pixel field and 17-pixel rows.
PopupMetrics At(long x, long y, long items = 30)
{
    return {{x, y}, {0, 0, 1024, 748}, 195, 25, 17, items};
}

void ExpectRect(const ScreenRect& rect, long left, long top, long right, long bottom)
{
    EXPECT_EQ(rect.left, left);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.right, right);
    EXPECT_EQ(rect.bottom, bottom);
}

TEST(PopupPlacement, OpensAtTheCursorDownToTheBottomWhereThereIsRoom)
{
    PopupPlacement middle = PlacePopup(At(500, 300));
    ExpectRect(middle.field, 500, 300, 695, 325);
    ExpectRect(middle.list, 500, 325, 695, 748);

    // Eight rows fit below; and a short list needs only its own rows.
    ExpectRect(PlacePopup(At(10, 585)).list, 10, 610, 205, 748);
    ExpectRect(PlacePopup(At(10, 670, 3)).list, 10, 695, 205, 748);
}

TEST(PopupPlacement, OpensUpwardNearTheBottomAndMovesLeftAtTheRightEdge)
{
    PopupPlacement low = PlacePopup(At(500, 600));
    ExpectRect(low.field, 500, 600, 695, 625);
    ExpectRect(low.list, 500, 88, 695, 600);

    PopupPlacement corner = PlacePopup(At(1020, 760, 3));
    ExpectRect(corner.field, 829, 723, 1024, 748);
    ExpectRect(corner.list, 829, 670, 1024, 723);

    PopupPlacement empty = PlacePopup(At(1000, 747, 0));
    ExpectRect(empty.field, 829, 723, 1024, 748);
    ExpectRect(empty.list, 829, 704, 1024, 723);

    PopupPlacement longList = PlacePopup(At(300, 700, 1000));
    ExpectRect(longList.list, 300, 0, 495, 700);
}

TEST(PopupPlacement, StaysOnTheMonitorUnderTheCursor)
{
    PopupMetrics right = {{2040, 100}, {1024, 0, 2048, 738}, 195, 25, 17, 30};
    PopupPlacement onRight = PlacePopup(right);
    ExpectRect(onRight.field, 1853, 100, 2048, 125);
    ExpectRect(onRight.list, 1853, 125, 2048, 738);

    PopupMetrics above = {{-50, -700}, {-1280, -1024, 0, -40}, 195, 25, 17, 30};
    ExpectRect(PlacePopup(above).field, -195, -700, 0, -675);
    ExpectRect(PlacePopup(above).list, -195, -675, 0, -40);

    PopupMetrics narrow = {{5, 5}, {0, 0, 150, 600}, 195, 25, 17, 30};
    ExpectRect(PlacePopup(narrow).field, 0, 5, 150, 30);
}

} // namespace
