// The tray icon and the global hotkey: the picker stays within reach while out of sight, and the
// hotkey drops every emoticon down at the mouse wherever the user is working.
#include <gtest/gtest.h>

#include "paste_target_harness.h"
#include "scenario.h"

namespace {

using Tray = PickerScenario;
using Hotkey = PickerScenario;

// A second click on the same spot soon after the first is a double click, which does nothing:
// successive clicks alternate between two spots on the icon.
void ClickTrayIcon(bool left)
{
    static int nudge = 3;
    nudge = -nudge;
    POINT icon = TrayIconPoint();
    icon.x += nudge;
    SettleMouseAt(icon);
    MouseButtonAt(icon, left, true);
    MouseButtonAt(icon, left, false);
}

HWND WaitForMenu()
{
    HWND menu = nullptr;
    WaitUntil([&] { return (menu = VisibleMenuWindow()) != nullptr; });
    return menu;
}

TEST_F(Tray, IconLivesFromStartToExitAndBringsTheClosedPickerBack)
{
    ASSERT_TRUE(Start({{FaceFile, "a\t(^_^)\n\t(;_;)\n"}},
                      {{"Close", "0"}, {"Transparent", "1"}, {"Alpha", "100"}}));
    HWND window = picker.Picker();
    EXPECT_TRUE(TrayIconPresent(window));

    // A taskbar message while the icon is there leaves it there: closing still hides into the
    // tray. While hidden, the picker loses its place on top and its transparency.
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    PostMessageA(HWND_BROADCAST, taskbarCreated, 0, 0);
    picker.RequestClose();
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }));
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(SetLayeredWindowAttributes(window, 0, 255, LWA_ALPHA));
    ClickTrayIcon(true);
    // Shown, then given back its alpha, then put on top.
    EXPECT_TRUE(WaitUntil([&] {
        return IsWindowVisible(window) && (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    }));
    BYTE alpha = 0;
    GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr);
    EXPECT_EQ(alpha, 100);
    ClickTrayIcon(true);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }));

    // A new taskbar holds no icons until their programs add them again.
    NOTIFYICONDATAA record = PickerIconRecord(window);
    Shell_NotifyIconA(NIM_DELETE, &record);
    ASSERT_FALSE(TrayIconPresent(window));
    PostMessageA(HWND_BROADCAST, taskbarCreated, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return TrayIconPresent(window); }));

    // The icon's menu opens at the cursor, and its exit item quits and saves.
    ClickTrayIcon(false);
    HWND menu = WaitForMenu();
    ASSERT_NE(menu, nullptr);
    RECT menuRect = WindowRectOf(menu);
    InflateRect(&menuRect, 1, 1);
    POINT cursor = {};
    GetCursorPos(&cursor);
    EXPECT_TRUE(PtInRect(&menuRect, cursor));
    PressKey('X');
    EXPECT_EQ(picker.WaitForExit(), 0);
    // Wine takes away the icons of windows that are gone, so whether the exit removed the icon
    // itself shows only at the session end, where the window lives on (the next test).
    EXPECT_EQ(dir.Read(FaceFile), "a\t(^_^)\r\n\t(;_;)");
}

TEST_F(Tray, LeftClickLeavesTheWindowToAutoHideAndTheSessionEndTakesTheIcon)
{
    ASSERT_TRUE(Start({}, {{"AutoHide", "1"}, {"HideTime", "600000"}}));
    HWND window = picker.Picker();

    // The menu of the next click opens only after the left click has been handled.
    ClickTrayIcon(true);
    ClickTrayIcon(false);
    ASSERT_NE(WaitForMenu(), nullptr);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([] { return VisibleMenuWindow() == nullptr; }));
    EXPECT_TRUE(IsWindowVisible(window));

    SendMessageA(window, WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(TrayIconPresent(window));
}

void PressHotKeyAt(POINT at)
{
    SettleMouseAt(at);
    KeyDown(VK_CONTROL);
    PressKey('K');
    KeyUp(VK_CONTROL);
}

TEST_F(Hotkey, DropsEveryEmoticonAtTheMouseAndTheChoiceLandsWhereTheUserWorks)
{
    std::vector<std::string> faces;
    std::string list;
    for (int i = 1; i <= 30; ++i) {
        faces.push_back("f" + std::to_string(i));
        list += "t" + std::to_string(i) + "\t" + faces.back() + "\n";
    }
    ASSERT_TRUE(Start({{FaceFile, list}}));
    RunningPasteTarget target;
    ASSERT_TRUE(MakePasteTarget(target, windows.picker, windows.faceCombo));

    // The user narrows the picker's list, goes back to work and presses Ctrl+K there.
    ClickControl(windows.filterEdit);
    TypeText("f1");
    ASSERT_TRUE(TitleBecomes(windows.picker, "Vemplor 登録数[11/30]"));
    ASSERT_TRUE(target.BringToFront());
    PressHotKeyAt({300, 200});
    HWND dropped = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (dropped = VisibleDropDownList(windows.picker)) != nullptr; }));
    RECT field = WindowRectOf(windows.popupCombo);
    EXPECT_EQ(field.left, 300);
    EXPECT_EQ(field.top, 200);
    EXPECT_EQ(WindowRectOf(dropped).top, field.bottom);
    EXPECT_EQ(ComboItems(windows.popupCombo), faces);
    EXPECT_EQ(ComboSelection(windows.popupCombo), 0);
    EXPECT_EQ(ControlText(windows.filterEdit), "");
    EXPECT_EQ(ComboItems(windows.faceCombo), faces);
    EXPECT_EQ(WindowTitle(windows.picker), "Vemplor 登録数[30/30]");

    // Pressed again twice in quick succession, the last time in the bottom-right corner: one
    // list, there, whole and on the screen.
    const POINT screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    PressHotKeyAt({600, 100});
    PressHotKeyAt({screen.x - 5, screen.y - 5});
    int lists = 0;
    // Moving the field closes its list, which opens again at the new place: the wait is for
    // the list beside the field in the corner, not the old one still closing.
    ASSERT_TRUE(WaitUntil([&] {
        HWND list = VisibleDropDownList(windows.picker, &lists);
        RECT popup = WindowRectOf(windows.popupCombo);
        return popup.right == screen.x && list != nullptr && WindowRectOf(list).left == popup.left;
    }));
    EXPECT_EQ(lists, 1);
    RECT corner = WindowRectOf(windows.popupCombo);
    RECT shown = WindowRectOf(VisibleDropDownList(windows.picker));
    // Opened upward, above its field, as tall as the thirty entries need.
    EXPECT_TRUE(shown.top >= 0 && shown.bottom <= corner.top && corner.bottom <= screen.y);
    EXPECT_EQ(shown.left, corner.left);
    LRESULT rowHeight = SendMessageA(windows.popupCombo, CB_GETITEMHEIGHT, 0, 0);
    EXPECT_EQ((shown.bottom - shown.top) / rowHeight, 30);
    EXPECT_EQ(ComboItems(windows.popupCombo), faces);

    ASSERT_TRUE(ClickDropDownItem(windows.picker, windows.popupCombo, 3));
    EXPECT_TRUE(WaitUntil([&] { return target.Text() == "f4"; })) << target.Text();
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(windows.popupCombo); }));

    // Back in the picker with its own list open, the hotkey leaves only the pop-up's list.
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == windows.picker; }));
    SendMessageA(windows.faceCombo, CB_SHOWDROPDOWN, TRUE, 0);
    PressHotKeyAt({300, 200});
    EXPECT_TRUE(WaitUntil([&] {
        return WindowRectOf(VisibleDropDownList(windows.picker, &lists)).top == field.bottom;
    }));
    EXPECT_EQ(lists, 1);
}

} // namespace
