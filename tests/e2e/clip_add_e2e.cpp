// Adding the clipboard's text from the context menu: the dialog offers the text and its length,
// adds what the box holds at the top of the list unless that face is there already, and adds
// nothing when the user backs out.
#include <gtest/gtest.h>

#include "scenario.h"

namespace {

using ClipAdd = PickerScenario;

const int TextBox = 1034;
const int Counter = 1035;

HWND OpenClipAddDialog(HWND over)
{
    return OpenDialogOver(over, 'L', "クリップボードから追加");
}

std::string DialogText(HWND dialog, int id)
{
    return ControlText(GetDlgItem(dialog, id));
}

TEST_F(ClipAdd, AddsWhatTheBoxHoldsOnceKeepsEditModesRowsAndNothingWhenTheUserBacksOut)
{
    ASSERT_TRUE(Start({{FaceFile, "smile\t(^_^)\n"}}));

    SetClipboardText("(^o^)顔");
    HWND dialog = OpenClipAddDialog(windows.faceCombo);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(DialogText(dialog, TextBox), "(^o^)顔");
    EXPECT_EQ(DialogText(dialog, Counter), "文字数 : 7");
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(WindowTitle(windows.picker), "Vemplor 登録数[2/2]");
    EXPECT_EQ(ComboItems(windows.faceCombo), (std::vector<std::string>{"(^o^)顔", "(^_^)"}));

    SetClipboardText("(^_^)");
    ASSERT_TRUE(ClickAndWaitClosed(OpenClipAddDialog(windows.faceCombo), IDOK))
        << "already there, tagged";

    SetClipboardText("abc");
    dialog = OpenClipAddDialog(windows.faceCombo);
    ASSERT_NE(dialog, nullptr);
    RECT box = WindowRectOf(GetDlgItem(dialog, TextBox));
    ClickAt(box.right - 4, (box.top + box.bottom) / 2);
    PressKey(VK_END);
    TypeText("字");
    EXPECT_TRUE(WaitUntil([&] { return DialogText(dialog, Counter) == "文字数 : 5"; }));
    ASSERT_TRUE(ClickAndWaitClosed(dialog, IDOK));

    SetClipboardText("(T_T)");
    ASSERT_TRUE(ClickAndWaitClosed(OpenClipAddDialog(windows.faceCombo), IDCANCEL));
    dialog = OpenClipAddDialog(windows.faceCombo);
    ASSERT_NE(dialog, nullptr);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(WindowTitle(windows.picker), "Vemplor 登録数[3/3]");

    // In edit mode a row the user added stays, and a text longer than any buffer is added whole.
    const std::string longFace = std::string(1500, '-') + "(^^)";
    SetClipboardText(longFace);
    ASSERT_TRUE(EnterEditModeOverList(windows));
    ASSERT_TRUE(ChooseFromContextMenu(windows.editListView, 'N'));
    ASSERT_TRUE(WaitUntil([&] { return ListViewRowCount(windows.editListView) == 4; }));
    dialog = OpenClipAddDialog(windows.editListView);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(DialogText(dialog, Counter), "文字数 : 1504");
    ASSERT_TRUE(ClickAndWaitClosed(dialog, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return ListViewRowCount(windows.editListView) == 5; }));

    ASSERT_EQ(CloseAndWait(picker), 0);
    EXPECT_EQ(dir.Read(FaceFile),
              "\t" + longFace + "\r\n\tabc字\r\n\t(^o^)顔\r\nsmile\t(^_^)\r\n\t");
}

TEST_F(ClipAdd, AnEntryIsOneLineOfTheClipboardsOwnBytesAndNeverEmpty)
{
    ASSERT_TRUE(Start({{FaceFile, "smile\t(^_^)\n"}}));

    SetClipboardText("line1\r\nline2\r\n");
    HWND dialog = OpenClipAddDialog(windows.faceCombo);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(DialogText(dialog, TextBox), "line1 line2");
    EXPECT_EQ(DialogText(dialog, Counter), "文字数 : 11");
    ASSERT_TRUE(ClickAndWaitClosed(dialog, IDOK));

    SetClipboardText("\r\n");
    dialog = OpenClipAddDialog(windows.faceCombo);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(DialogText(dialog, TextBox), "");
    PressKey(VK_RETURN);
    HWND message = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (message = MessageBoxOver(dialog)) != nullptr; }))
        << "adding nothing says so";
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(message); }));
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the user may still type an entry or cancel";
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(WindowTitle(windows.picker), "Vemplor 登録数[2/2]");

    // A lead byte before the line end and one at the very end: the box cannot show them, the
    // entry still holds them, and nothing after them is swallowed.
    SetClipboardText("(\x81\r\nX)\x81");
    dialog = OpenClipAddDialog(windows.faceCombo);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(DialogText(dialog, Counter), "文字数 : 6");
    ASSERT_TRUE(ClickAndWaitClosed(dialog, IDOK));

    ASSERT_EQ(CloseAndWait(picker), 0);
    EXPECT_EQ(dir.Read(FaceFile), "\t(\x81 X)\x81\r\n\tline1 line2\r\nsmile\t(^_^)");
}

// A face Shift-JIS cannot hold turns a Shift-JIS list into UTF-8: the user is told once, and the
// old file is kept as it was; an entry Shift-JIS cannot decode keeps its bytes.
TEST_F(ClipAdd, AFaceShiftJisCannotHoldTurnsTheListIntoUtf8AndKeepsTheOldFile)
{
    const std::string undecodable = "(\x85\x40)\x81";
    const std::string shiftJisList = "ねこ\t(=^・^=)\r\n\t(^_^)\r\n\t" + undecodable;
    ASSERT_TRUE(Start({{FaceFile, shiftJisList}}));

    const std::string bear = u8"ʕ •ᴥ• ʔ";
    SetUtf8ClipboardText(bear);
    HWND dialog = OpenClipAddDialog(windows.faceCombo);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Utf8ControlText(GetDlgItem(dialog, TextBox)), bear);
    EXPECT_EQ(DialogText(dialog, Counter), "文字数 : 7") << "columns, not bytes";
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    HWND notice = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (notice = MessageBoxOver(windows.picker)) != nullptr; }));
    EXPECT_NE(MessageText(notice).find("Vemplor.sjis.txt"), std::string::npos);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(notice); }));
    EXPECT_EQ(Utf8ComboItems(windows.faceCombo),
              (std::vector<std::string>{bear, u8"(=^・^=)", "(^_^)", u8"(\uFFFD@)\uFFFD"}));

    ASSERT_EQ(CloseAndWait(picker), 0);
    EXPECT_TRUE(dir.Read("Vemplor.sjis.txt") == shiftJisList);
    EXPECT_TRUE(dir.Read(FaceFile) == "\xEF\xBB\xBF\t" + bear +
                                          u8"\r\nねこ\t(=^・^=)\r\n\t(^_^)\r\n\t" + undecodable);
}

} // namespace
