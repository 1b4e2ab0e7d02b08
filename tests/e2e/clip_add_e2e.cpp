// Adding the clipboard's text from the context menu: the dialog offers the text and its length,
// adds what the box holds at the top of the list unless that face is there already, and adds
// nothing when the user backs out.
#include <gtest/gtest.h>

#include "harness.h"

#include <commctrl.h>

namespace {

const std::string FaceFile = "Vemplor.txt";
const int TextBox = 1034;
const int Counter = 1035;

// The dialog the picker shows, found by its owner.
HWND ClipAddDialogOf(HWND picker)
{
    for (HWND window = FindWindowExA(nullptr, nullptr, "#32770", nullptr); window != nullptr;
         window = FindWindowExA(nullptr, window, "#32770", nullptr)) {
        if (GetWindow(window, GW_OWNER) == picker && IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

// Opens the dialog from the menu shown over the given control.
HWND OpenClipAddDialog(const PickerWindows& windows, HWND over)
{
    HWND dialog = nullptr;
    if (ChooseFromContextMenu(over, 'L')) {
        WaitUntil([&] { return (dialog = ClipAddDialogOf(windows.picker)) != nullptr; });
    }
    return dialog;
}

bool WaitForDialogToClose(HWND dialog)
{
    return WaitUntil([&] { return !IsWindow(dialog); });
}

void ClickButton(HWND dialog, int id)
{
    RECT button = WindowRectOf(GetDlgItem(dialog, id));
    ClickAt((button.left + button.right) / 2, (button.top + button.bottom) / 2);
}

TEST(ClipAdd, AddsWhatTheBoxHoldsOnceAndNothingWhenTheUserBacksOut)
{
    WorkDir dir;
    dir.Write(FaceFile, "smile\t(^_^)\n\t(;_;)\n");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    const PickerWindows& windows = picker.Windows();

    // A new face, double-byte characters counted as two, added with Return.
    SetClipboardText("(^o^)顔");
    HWND dialog = OpenClipAddDialog(windows, windows.faceCombo);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowTitle(dialog), "クリップボードから追加");
    EXPECT_EQ(ControlText(GetDlgItem(dialog, TextBox)), "(^o^)顔");
    EXPECT_EQ(ControlText(GetDlgItem(dialog, Counter)), "文字数 : 7");
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitForDialogToClose(dialog));
    ASSERT_TRUE(WaitUntil([&] { return WindowTitle(windows.picker) == "Vemplor 登録数[3/3]"; }));
    EXPECT_EQ(ComboItems(windows.faceCombo),
              (std::vector<std::string>{"(^o^)顔", "(^_^)", "(;_;)"}));

    // A face already in the list, under a tag, is not added again.
    SetClipboardText("(^_^)");
    dialog = OpenClipAddDialog(windows, windows.faceCombo);
    ASSERT_NE(dialog, nullptr);
    ClickButton(dialog, IDOK);
    ASSERT_TRUE(WaitForDialogToClose(dialog));
    EXPECT_EQ(WindowTitle(windows.picker), "Vemplor 登録数[3/3]");

    // The text as edited in the box is added, not the clipboard's.
    SetClipboardText("abc");
    dialog = OpenClipAddDialog(windows, windows.faceCombo);
    ASSERT_NE(dialog, nullptr);
    HWND box = GetDlgItem(dialog, TextBox);
    ClickAt(WindowRectOf(box).right - 4, (WindowRectOf(box).top + WindowRectOf(box).bottom) / 2);
    PressKey(VK_END);
    TypeText("字");
    ASSERT_TRUE(WaitUntil([&] { return ControlText(GetDlgItem(dialog, Counter)) == "文字数 : 5"; }))
        << ControlText(box);
    ClickButton(dialog, IDOK);
    ASSERT_TRUE(WaitForDialogToClose(dialog));
    ASSERT_TRUE(WaitUntil([&] { return WindowTitle(windows.picker) == "Vemplor 登録数[4/4]"; }));
    EXPECT_EQ(ComboItems(windows.faceCombo).front(), "abc字");

    // Escape, the cancel button and the close box add nothing.
    SetClipboardText("(T_T)");
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        dialog = OpenClipAddDialog(windows, windows.faceCombo);
        ASSERT_NE(dialog, nullptr);
        if (way == 0) {
            PressKey(VK_ESCAPE);
        } else if (way == 1) {
            ClickButton(dialog, IDCANCEL);
        } else {
            PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        ASSERT_TRUE(WaitForDialogToClose(dialog));
    }

    // A text longer than any fixed buffer is offered and added whole.
    const std::string longFace = std::string(1500, '-') + "(^^)";
    SetClipboardText(longFace);
    dialog = OpenClipAddDialog(windows, windows.faceCombo);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ControlText(GetDlgItem(dialog, Counter)), "文字数 : 1504");
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitForDialogToClose(dialog));

    picker.RequestClose();
    ASSERT_EQ(picker.WaitForExit(), 0);
    EXPECT_EQ(dir.Read(FaceFile),
              "\t" + longFace + "\r\n\tabc字\r\n\t(^o^)顔\r\nsmile\t(^_^)\r\n\t(;_;)");
}

TEST(ClipAdd, InEditModeTheNewFaceJoinsTheRowsAsTheUserChangedThem)
{
    WorkDir dir;
    dir.Write(FaceFile, "smile\t(^_^)\n");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    const PickerWindows& windows = picker.Windows();
    ASSERT_TRUE(ChooseFromContextMenu(windows.faceCombo, 'E'));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(windows.editListView) != FALSE; }));
    ASSERT_TRUE(ChooseFromContextMenu(windows.editListView, 'N'));
    ASSERT_TRUE(WaitUntil([&] { return SendMessageA(windows.editListView, LVM_GETITEMCOUNT, 0, 0) == 2; }));

    SetClipboardText("(new)");
    HWND dialog = OpenClipAddDialog(windows, windows.editListView);
    ASSERT_NE(dialog, nullptr);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitForDialogToClose(dialog));
    ASSERT_TRUE(WaitUntil([&] { return WindowTitle(windows.picker) == "Vemplor 登録数[3/3]"; }))
        << WindowTitle(windows.picker);
    EXPECT_EQ(SendMessageA(windows.editListView, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_TRUE(IsWindowVisible(windows.editListView)) << "edit mode stays on";

    picker.RequestClose();
    ASSERT_EQ(picker.WaitForExit(), 0);
    EXPECT_EQ(dir.Read(FaceFile), "\t(new)\r\nsmile\t(^_^)\r\n\t") << "the blank row is kept";
}

} // namespace
