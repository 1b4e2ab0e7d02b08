// The hover timer as the user meets it: the picker steps aside when the mouse leaves and comes
// back when it returns, an icon can stand in for it, lists drop down under the cursor, and the
// window to paste into follows the user's work but never the picker or the shell.
#include <gtest/gtest.h>

#include "paste_target_harness.h"
#include "scenario.h"

namespace {

using Hover = PickerScenario;

// The picker's icon window: a dialog owned by the picker.
HWND IconWindowOf(HWND picker)
{
    for (HWND window = FindWindowExA(nullptr, nullptr, "#32770", nullptr); window != nullptr;
         window = FindWindowExA(nullptr, window, "#32770", nullptr)) {
        if (GetWindow(window, GW_OWNER) == picker) {
            return window;
        }
    }
    return nullptr;
}

bool Dropped(HWND combo)
{
    return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

TEST_F(Hover, AutoHideStepsAsideWhenTheMouseLeavesAndReturnsWithIt)
{
    ASSERT_TRUE(Start({}, {{"AutoHide", "1"}, {"Left", "100"}, {"Top", "100"}}));
    HWND window = picker.Picker();
    RECT rect = WindowRectOf(window);

    MoveMouseTo(MiddleOf(rect).x, MiddleOf(rect).y);
    MoveMouseTo(700, 500);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, 5000));
    EXPECT_EQ(WindowRectOf(window).left, rect.left) << "hiding keeps the window's place";

    MoveMouseTo(MiddleOf(rect).x, MiddleOf(rect).y);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != 0; }, 2000));

    // The edge of the window's rectangle is outside it.
    MoveMouseTo(rect.left, MiddleOf(rect).y);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, 5000));
}

TEST_F(Hover, WithTheIconOnOnlyTheIconBringsThePickerBack)
{
    ASSERT_TRUE(Start({}, {{"AutoHide", "1"}, {"Icon", "1"}, {"Left", "200"}, {"Top", "150"}}));
    HWND window = picker.Picker();
    HWND icon = IconWindowOf(window);
    ASSERT_NE(icon, nullptr);
    RECT rect = WindowRectOf(window);

    MoveMouseTo(700, 500);
    ASSERT_TRUE(WaitUntil([&] {
        return !IsWindowVisible(window) && IsWindowVisible(icon) &&
               WindowRectOf(icon).right - WindowRectOf(icon).left == 32;
    }, 5000));
    RECT iconRect = WindowRectOf(icon);
    EXPECT_EQ(iconRect.left, rect.left);
    EXPECT_EQ(iconRect.top, rect.top);
    EXPECT_EQ(iconRect.right - iconRect.left, 32);
    EXPECT_EQ(iconRect.bottom - iconRect.top, 32);
    EXPECT_NE(GetWindowLongA(icon, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    // Inside the hidden window's place but off the icon: the picker stays away.
    MoveMouseTo(rect.right - 20, MiddleOf(rect).y);
    EXPECT_FALSE(WaitUntil([&] { return IsWindowVisible(window) != 0; }, 1000));

    MoveMouseTo(iconRect.left + 10, iconRect.top + 10);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) && !IsWindowVisible(icon); }, 2000));
}

TEST_F(Hover, AutoPulldownOpensTheListUnderTheCursorAndClosesTheOther)
{
    ASSERT_TRUE(Start({{FaceFile, "\t(^_^)\n\t(;_;)\n"}, {FilterFile, "a\nb\n"}},
                      {{"AutoPulldown", "1"}, {"Left", "100"}, {"Top", "100"}}));

    RECT filter = WindowRectOf(windows.filterCombo);
    MoveMouseTo(filter.right - 5, MiddleOf(filter).y);
    ASSERT_TRUE(WaitUntil([&] { return Dropped(windows.filterCombo); }, 2000));
    RECT face = WindowRectOf(windows.faceCombo);
    MoveMouseTo(face.right - 30, MiddleOf(face).y);
    ASSERT_TRUE(WaitUntil([&] { return Dropped(windows.faceCombo); }, 2000));

    // The filter box's arrow belongs to the combo box itself; its edit field would not count.
    MoveMouseTo(filter.right - 5, MiddleOf(filter).y);
    ASSERT_TRUE(WaitUntil([&] { return Dropped(windows.filterCombo); }, 2000));
    EXPECT_FALSE(Dropped(windows.faceCombo));
}

TEST_F(Hover, ThePasteTargetFollowsTheUsersWorkButNeverThePickerOrTheShell)
{
    ASSERT_TRUE(Start({{FaceFile, "\t(^_^)\n\t(;_;)\n"}}));
    RunningPasteTarget first({100, 300});
    RunningPasteTarget second({520, 300});
    ASSERT_TRUE(first.Started() && second.Started());
    ASSERT_TRUE(MakePasteTarget(first, windows.picker, windows.faceCombo));

    // The user moves on to another window: the next choice goes there.
    ASSERT_TRUE(MakePasteTarget(second, windows.picker, windows.faceCombo));
    first.Clear();

    // Turning to the picker, then clicking the taskbar, changes nothing.
    ClickAt(CentreOf(windows.picker).x, WindowRectOf(windows.picker).top + 8);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == windows.picker; }));
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (taskbar != nullptr) {
        ClickControl(taskbar);
        WaitUntil([&] { return GetForegroundWindow() != windows.picker; }, 1000);
    }
    ChooseFace(windows.picker, windows.faceCombo, 1);
    EXPECT_EQ(second.Text(), "(;_;)");
    EXPECT_EQ(first.Text(), "");
}

TEST_F(Hover, ClosingWhileTicksAreBusyWithTheWindowsEndsCleanly)
{
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(Start({{FaceFile, "\t(^_^)\n"}}, {{"AutoPulldown", "1"}, {"AutoHide", "1"}}));
        RECT face = WindowRectOf(windows.faceCombo);
        MoveMouseTo(face.right - 30, MiddleOf(face).y);
        ASSERT_TRUE(WaitUntil([&] { return Dropped(windows.faceCombo); }, 2000));
        PostMessageA(picker.Picker(), WM_COMMAND, 2, 0);
        EXPECT_EQ(picker.WaitForExit(), 0) << "round " << round;
        EXPECT_EQ(dir.Read(FaceFile), "\t(^_^)");
    }
}

} // namespace
