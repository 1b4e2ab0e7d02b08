// The hover timer as the user meets it: the picker steps aside when the mouse leaves and comes
// back when it returns, an icon can stand in for it, lists drop down under the cursor, and the
// window to paste into follows the user's work but never the picker or the shell.
#include <gtest/gtest.h>

#include "harness.h"
#include "paste_target_harness.h"

namespace {

POINT Centre(RECT rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

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

TEST(Hover, AutoHideStepsAsideWhenTheMouseLeavesAndReturnsWithIt)
{
    WorkDir dir;
    dir.WriteSetting("AutoHide", "1");
    dir.WriteSetting("Left", "100");
    dir.WriteSetting("Top", "100");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    HWND window = picker.Picker();
    RECT rect = WindowRectOf(window);

    MoveMouseTo(Centre(rect).x, Centre(rect).y);
    MoveMouseTo(700, 500);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, 5000));
    EXPECT_EQ(WindowRectOf(window).left, rect.left) << "hiding keeps the window's place";

    MoveMouseTo(Centre(rect).x, Centre(rect).y);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != 0; }, 2000));

    // The edge of the window's rectangle is outside it.
    MoveMouseTo(rect.left, Centre(rect).y);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, 5000));
}

TEST(Hover, WithTheIconOnOnlyTheIconBringsThePickerBack)
{
    WorkDir dir;
    dir.WriteSetting("AutoHide", "1");
    dir.WriteSetting("Icon", "1");
    dir.WriteSetting("Left", "200");
    dir.WriteSetting("Top", "150");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
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
    MoveMouseTo(rect.right - 20, Centre(rect).y);
    EXPECT_FALSE(WaitUntil([&] { return IsWindowVisible(window) != 0; }, 1000));

    MoveMouseTo(iconRect.left + 10, iconRect.top + 10);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) && !IsWindowVisible(icon); }, 2000));
}

TEST(Hover, AutoPulldownOpensTheListUnderTheCursorAndClosesTheOther)
{
    WorkDir dir;
    dir.Write("Vemplor.txt", "\t(^_^)\n\t(;_;)\n");
    dir.Write("Filter.txt", "a\nb\n");
    dir.WriteSetting("AutoPulldown", "1");
    dir.WriteSetting("Left", "100");
    dir.WriteSetting("Top", "100");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    const PickerWindows& windows = picker.Windows();

    RECT filter = WindowRectOf(windows.filterCombo);
    MoveMouseTo(filter.right - 5, Centre(filter).y);
    ASSERT_TRUE(WaitUntil([&] { return Dropped(windows.filterCombo); }, 2000));
    RECT face = WindowRectOf(windows.faceCombo);
    MoveMouseTo(face.right - 30, Centre(face).y);
    ASSERT_TRUE(WaitUntil([&] { return Dropped(windows.faceCombo); }, 2000));

    // The filter box's arrow belongs to the combo box itself; its edit field would not count.
    MoveMouseTo(filter.right - 5, Centre(filter).y);
    ASSERT_TRUE(WaitUntil([&] { return Dropped(windows.filterCombo); }, 2000));
    EXPECT_FALSE(Dropped(windows.faceCombo));

}

TEST(Hover, ThePasteTargetFollowsTheUsersWorkButNeverThePickerOrTheShell)
{
    WorkDir dir;
    dir.Write("Vemplor.txt", "\t(^_^)\n\t(;_;)\n");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    const PickerWindows& windows = picker.Windows();
    RunningPasteTarget first({100, 300});
    RunningPasteTarget second({520, 300});
    ASSERT_TRUE(first.Started() && second.Started());
    ASSERT_TRUE(MakePasteTarget(first, windows.picker, windows.faceCombo));

    // The user moves on to another window: the next choice goes there.
    ASSERT_TRUE(MakePasteTarget(second, windows.picker, windows.faceCombo));
    first.Clear();

    // Turning to the picker, then clicking the taskbar, changes nothing.
    ClickAt(Centre(WindowRectOf(windows.picker)).x, WindowRectOf(windows.picker).top + 8);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == windows.picker; }));
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (taskbar != nullptr) {
        RECT bar = WindowRectOf(taskbar);
        ClickAt(Centre(bar).x, Centre(bar).y);
        WaitUntil([&] { return GetForegroundWindow() != windows.picker; }, 1000);
    }
    ChooseFace(windows.picker, windows.faceCombo, 1);
    EXPECT_EQ(second.Text(), "(;_;)");
    EXPECT_EQ(first.Text(), "");
}

TEST(Hover, ClosingWhileTicksAreBusyWithTheWindowsEndsCleanly)
{
    for (int round = 0; round < 3; ++round) {
        WorkDir dir;
        dir.Write("Vemplor.txt", "\t(^_^)\n");
        dir.WriteSetting("AutoPulldown", "1");
        dir.WriteSetting("AutoHide", "1");
        RunningPicker picker(dir);
        ASSERT_TRUE(picker.Started());
        RECT face = WindowRectOf(picker.Windows().faceCombo);
        MoveMouseTo(face.right - 30, Centre(face).y);
        ASSERT_TRUE(WaitUntil([&] { return Dropped(picker.Windows().faceCombo); }, 2000));
        PostMessageA(picker.Picker(), WM_COMMAND, 2, 0);
        EXPECT_EQ(picker.WaitForExit(), 0) << "round " << round;
        EXPECT_EQ(dir.Read("Vemplor.txt"), "\t(^_^)");
    }
}

} // namespace
