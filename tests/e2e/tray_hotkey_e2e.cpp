// The tray icon and the global hotkey: the picker stays within reach while out of sight, and the
// hotkey opens a list of every emoticon where the user is typing, or at the mouse.
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
    ASSERT_TRUE(Start({{FaceFile, list}}, {{"PopupAt", "1"}}));
    RunningPasteTarget target;
    ASSERT_TRUE(MakePasteTarget(target, windows.picker, windows.faceCombo));

    // The user narrows the picker's list, goes back to work and presses Ctrl+K there.
    ClickControl(windows.filterEdit);
    TypeText("f1");
    ASSERT_TRUE(TitleBecomes(windows.picker, "Vemplor 登録数[11/30]"));
    ASSERT_TRUE(target.BringToFront());
    PressHotKeyAt({300, 200});
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(windows.popupCombo) != 0; }));
    RECT field = WindowRectOf(windows.popupField);
    EXPECT_EQ(field.left, 300);
    EXPECT_EQ(field.top, 200);
    EXPECT_EQ(WindowRectOf(windows.popupList).top, field.bottom);
    EXPECT_EQ(ListItems(windows.popupList), faces);
    EXPECT_EQ(SendMessageA(windows.popupList, LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(ControlText(windows.filterEdit), "");
    EXPECT_EQ(ComboItems(windows.faceCombo), faces);
    EXPECT_EQ(WindowTitle(windows.picker), "Vemplor 登録数[30/30]");

    // Pressed again twice in quick succession, the last time in the bottom-right corner: one
    // list, there, whole and on the screen.
    const POINT screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    PressHotKeyAt({600, 100});
    PressHotKeyAt({screen.x - 5, screen.y - 5});
    ASSERT_TRUE(WaitUntil([&] {
        return WindowRectOf(windows.popupField).right == screen.x &&
               IsWindowVisible(windows.popupCombo);
    }));
    EXPECT_EQ(VisibleDropDownList(windows.picker), nullptr);
    RECT corner = WindowRectOf(windows.popupField);
    RECT shown = WindowRectOf(windows.popupList);
    // Opened upward, above its field, as tall as the thirty entries need.
    EXPECT_TRUE(shown.top >= 0 && shown.bottom <= corner.top && corner.bottom <= screen.y);
    EXPECT_EQ(shown.left, corner.left);
    LRESULT rowHeight = SendMessageA(windows.popupList, LB_GETITEMHEIGHT, 0, 0);
    EXPECT_EQ((shown.bottom - shown.top) / rowHeight, 30);
    EXPECT_EQ(ListItems(windows.popupList), faces);

    ClickListItem(windows.popupList, 3);
    EXPECT_TRUE(WaitUntil([&] { return target.Text() == "f4"; })) << target.Text();
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(windows.popupCombo); }));

    // Back in the picker with its own list open, the hotkey leaves only the pop-up's list.
    ASSERT_TRUE(CaughtUp(windows.picker));
    RECT bar = WindowRectOf(windows.picker);
    ClickAt(bar.left + 60, bar.top + 8);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == windows.picker; }));
    SendMessageA(windows.faceCombo, CB_SHOWDROPDOWN, TRUE, 0);
    PressHotKeyAt({300, 200});
    EXPECT_TRUE(WaitUntil([&] {
        return IsWindowVisible(windows.popupCombo) &&
               WindowRectOf(windows.popupList).top == field.bottom;
    }));
    EXPECT_EQ(VisibleDropDownList(windows.picker), nullptr);
}

// The caret of the window in front, on the screen, and the window that has the keyboard.
struct CaretSeen {
    RECT caret;
    HWND focus;
};

CaretSeen SeeCaret(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    MapWindowPoints(info.hwndCaret, nullptr, reinterpret_cast<POINT*>(&info.rcCaret), 2);
    return {info.rcCaret, info.hwndFocus};
}

// Whether a row of the list shows text on the screen: mostly the list's background, with some
// dark pixels of text.
bool RowShowsText(HWND list, int row)
{
    int itemHeight = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    RECT rect = {};
    GetClientRect(list, &rect);
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    rect.top += itemHeight * row;
    rect.bottom = rect.top + itemHeight;
    const std::vector<RGBQUAD> pixels = ScreenPixels(rect);
    std::size_t background = 0;
    std::size_t dark = 0;
    for (const RGBQUAD& pixel : pixels) {
        background += RGB(pixel.rgbRed, pixel.rgbGreen, pixel.rgbBlue) == GetSysColor(COLOR_WINDOW);
        dark += pixel.rgbRed < 0x80 && pixel.rgbGreen < 0x80 && pixel.rgbBlue < 0x80;
    }
    return dark > 0 && background > pixels.size() / 2;
}

TEST_F(Hotkey, OpensUnderTheCaretFindsByReadingAndGivesTheKeyboardBack)
{
    // More entries than a screen of rows: the pop-up's list fills in slices as it opens.
    std::string list = "ねこ\tcat1\nいぬ\tdog\nネコ\tcat2\nﾈｺ\tcat3\nくま\tbear\n";
    for (int filler = 0; filler < 300; ++filler) {
        list += "\t(-_-)\n";
    }
    ASSERT_TRUE(Start({{FaceFile, list}}));
    RunningPasteTarget target;
    ASSERT_TRUE(target.BringToFront());
    TypeText("ab");
    ASSERT_TRUE(WaitUntil([&] { return target.Text() == "ab"; }));
    const CaretSeen before = SeeCaret(target.Window());
    ASSERT_NE(before.focus, nullptr);

    // Ctrl+K opens the pop-up just below the caret, far from the mouse, with the keyboard.
    PressHotKeyAt({50, 50});
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == windows.popupCombo; }));
    RECT field = WindowRectOf(windows.popupField);
    EXPECT_EQ(field.left, before.caret.left);
    EXPECT_EQ(field.top, before.caret.bottom);
    EXPECT_TRUE(WaitUntil([&] { return ListItems(windows.popupList).size() == 305u; }));
    // Emptied again, the field fills the list on show once more, a slice at a time.
    TypeText("v");
    EXPECT_TRUE(WaitUntil([&] { return ListItems(windows.popupList).empty(); }));
    PressKey(VK_BACK);
    EXPECT_TRUE(WaitUntil([&] { return ListItems(windows.popupList).size() == 305u; }));
    EXPECT_TRUE(WaitUntil([&] { return RowShowsText(windows.popupList, 1); }));

    // Typing finds by reading; the picker's own filter stays empty. Down and Enter choose the
    // second cat, which lands after what the user typed and moves to the top.
    TypeText("neko");
    EXPECT_TRUE(WaitUntil([&] {
        return ListItems(windows.popupList) == std::vector<std::string>{"cat1", "cat2", "cat3"};
    }));
    EXPECT_EQ(ControlText(windows.filterEdit), "");
    EXPECT_EQ(WindowTitle(windows.picker), "Vemplor 登録数[305/305]");
    // The scroll bar stays, unused, when every row found fits.
    EXPECT_NE(GetWindowLongPtrW(windows.popupList, GWL_STYLE) & WS_VSCROLL, 0);
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return target.Text() == "abcat2"; })) << target.Text();
    EXPECT_FALSE(IsWindowVisible(windows.popupCombo));
    EXPECT_TRUE(WaitUntil([&] { return ComboItem(windows.faceCombo, 0) == "cat2"; }));
    EXPECT_TRUE(WaitUntil([&] {
        return GetForegroundWindow() == target.Window() &&
               SeeCaret(target.Window()).focus == before.focus;
    }));

    // Escape closes it, choosing nothing, and the user types on where the caret was.
    PressHotKeyAt({50, 50});
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == windows.popupCombo; }));
    TypeText("kuma");
    ASSERT_TRUE(WaitUntil(
        [&] { return ListItems(windows.popupList) == std::vector<std::string>{"bear"}; }));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(windows.popupCombo); }));
    EXPECT_TRUE(WaitUntil([&] {
        return GetForegroundWindow() == target.Window() &&
               SeeCaret(target.Window()).focus == before.focus;
    }));
    std::string clipboard;
    EXPECT_TRUE(ReadClipboardText(clipboard));
    EXPECT_EQ(clipboard, "cat2");
    TypeText("z");
    EXPECT_TRUE(WaitUntil([&] { return target.Text() == "abcat2z"; })) << target.Text();
}

} // namespace
