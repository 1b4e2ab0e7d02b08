#include <gtest/gtest.h>

#include "app/close_rule.h"
#include "app/hit_test_rule.h"
#include "app/hotkey_code.h"

namespace {

TEST(CloseRule, HidesOnlyWhenAskedToAndTheTrayIconCanBringTheWindowBack)
{
    EXPECT_EQ(DecideCloseAction(0, 1), CloseAction::Hide);
    EXPECT_EQ(DecideCloseAction(0, 0), CloseAction::Quit);
    EXPECT_EQ(DecideCloseAction(1, 1), CloseAction::Quit);
    EXPECT_EQ(DecideCloseAction(-3, 1), CloseAction::Quit);
    EXPECT_EQ(DecideCloseAction(2, 0), CloseAction::Quit);
}

TEST(HitTestRule, TopBottomAndCornersBecomeBorderEverythingElseIsKept)
{
    for (int code = 12; code <= 17; ++code) {
        EXPECT_EQ(MapPickerHitTest(code), 18) << code;
    }
    EXPECT_EQ(MapPickerHitTest(0), 0);
    EXPECT_EQ(MapPickerHitTest(1), 1);   // client
    EXPECT_EQ(MapPickerHitTest(2), 2);   // caption
    EXPECT_EQ(MapPickerHitTest(10), 10); // left edge
    EXPECT_EQ(MapPickerHitTest(11), 11); // right edge
    EXPECT_EQ(MapPickerHitTest(18), 18);
    EXPECT_EQ(MapPickerHitTest(20), 20); // close button
    EXPECT_EQ(MapPickerHitTest(-1), -1); // error
}

TEST(HotKeyCode, DecodesTheHotKeyControlsWord)
{
    PopupHotKey controlK = DecodePopupHotKey(587);
    EXPECT_EQ(controlK.key, 0x4Bu);
    EXPECT_EQ(controlK.modifiers, 2u);

    PopupHotKey all = DecodePopupHotKey(0x0741);
    EXPECT_EQ(all.key, 0x41u);
    EXPECT_EQ(all.modifiers, 1u | 2u | 4u);

    PopupHotKey extendedOnly = DecodePopupHotKey(0x0870);
    EXPECT_EQ(extendedOnly.key, 0x70u);
    EXPECT_EQ(extendedOnly.modifiers, 0u);

    PopupHotKey beyondSixteenBits = DecodePopupHotKey(0x10000 + 587);
    EXPECT_EQ(beyondSixteenBits.key, 0x4Bu);
    EXPECT_EQ(beyondSixteenBits.modifiers, 2u);
}

} // namespace
