// Choosing an emoticon: it moves to the top, lands on the clipboard as the user configured it,
// and is pasted into the window the user was working in, with the keystroke they chose.
#include <gtest/gtest.h>

#include "harness.h"
#include "paste_target_harness.h"

namespace {

const std::string TenFaces = "t1\tf1\nt2\tf2\nt3\tf3\nt4\tf4\nt5\tf5\n"
                             "t6\tf6\nt7\tf7\nt8\tf8\nt9\tf9\nt10\tf10\n";

std::vector<std::string> Faces(std::initializer_list<int> numbers)
{
    std::vector<std::string> faces;
    for (int number : numbers) {
        faces.push_back("f" + std::to_string(number));
    }
    return faces;
}

std::string Clipboard()
{
    std::string text;
    ReadClipboardText(text);
    return text;
}

void SetFilterText(const PickerWindows& windows, const char* filter)
{
    SendMessageA(windows.filterEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(filter));
    SendMessageA(windows.picker, WM_COMMAND, MAKEWPARAM(0, CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(windows.filterCombo));
}

TEST(Paste, AChosenEmoticonLandsInTheWindowTheUserWasInAndThePickerComesBack)
{
    WorkDir dir;
    dir.Write("Vemplor.txt", "\t(^_^)\nねこ\t(=^・^=)\n\t(;_;)\n");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    const PickerWindows& windows = picker.Windows();
    RunningPasteTarget target;
    ASSERT_TRUE(target.Started());
    ASSERT_TRUE(MakePasteTarget(target, windows.picker, windows.faceCombo));

    // The user turns to the picker, opens the list and clicks the second emoticon.
    RECT bar = WindowRectOf(windows.picker);
    ClickAt(bar.left + 60, bar.top + 8);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == windows.picker; }));
    ASSERT_TRUE(ClickDropDownItem(windows.picker, windows.faceCombo, 1));

    ASSERT_TRUE(WaitUntil([&] { return target.Text() == "(=^・^=)"; })) << target.Text();
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == windows.picker; }));
    EXPECT_EQ(target.KeyLog(), "D11 D56 U56 U11 ");
    EXPECT_EQ(Clipboard(), "(=^・^=)");
    EXPECT_EQ(ComboItems(windows.faceCombo),
              (std::vector<std::string>{"(=^・^=)", "(^_^)", "(;_;)"}));
    EXPECT_EQ(ComboSelection(windows.faceCombo), 0);

    // Every further choice goes to the same window, whole, however often.
    for (int round = 0; round < 5; ++round) {
        target.Clear();
        ChooseFace(windows.picker, windows.faceCombo, 2);
        EXPECT_EQ(target.Text(), ComboItems(windows.faceCombo)[0]) << "round " << round;
        EXPECT_EQ(GetForegroundWindow(), windows.picker);
    }
}

POINT ComboCentre(HWND combo)
{
    RECT rect = WindowRectOf(combo);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

bool ListOpen(HWND picker)
{
    return VisibleDropDownList(picker) != nullptr;
}

// A round trip through the picker's thread: whatever it was doing with earlier input is done.
void WaitForPickerToCatchUp(HWND picker)
{
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(picker, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

// Opens the emoticon list with a click and walks down it with the arrow keys.
void OpenAndWalk(const PickerWindows& windows, int steps)
{
    POINT face = ComboCentre(windows.faceCombo);
    ClickAt(face.x, face.y);
    ASSERT_TRUE(WaitUntil([&] { return ListOpen(windows.picker); }));
    for (int step = 0; step < steps; ++step) {
        PressKey(VK_DOWN);
    }
    ASSERT_TRUE(WaitUntil([&] { return ComboSelection(windows.faceCombo) == steps; }));
}

TEST(Paste, BrowsingTheListsChoosesNothingUntilEnterChoosesOnce)
{
    WorkDir dir;
    dir.Write("Vemplor.txt", TenFaces);
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    const PickerWindows& windows = picker.Windows();
    RunningPasteTarget target;
    ASSERT_TRUE(MakePasteTarget(target, windows.picker, windows.faceCombo));
    SetClipboardText("untouched");
    POINT face = ComboCentre(windows.faceCombo);

    // Escape after walking the list gives the selection back.
    OpenAndWalk(windows, 2);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !ListOpen(windows.picker); }));
    EXPECT_EQ(ComboSelection(windows.faceCombo), 0);

    // The pointer passes over the items, then the user clicks the caption.
    PressKey(VK_F4);
    HWND list = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (list = VisibleDropDownList(windows.picker)) != nullptr; }));
    RECT listRect = WindowRectOf(list);
    int itemHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    POINT fifth = {listRect.left + 10, listRect.top + itemHeight * 4 + itemHeight / 2};
    ASSERT_TRUE(WaitUntil([&] {
        MoveMouseTo(fifth.x, fifth.y);
        return SendMessageA(list, LB_GETCURSEL, 0, 0) == 4;
    }));
    RECT bar = WindowRectOf(windows.picker);
    ClickAt(bar.left + 60, bar.top + 8);
    ASSERT_TRUE(WaitUntil([&] { return !ListOpen(windows.picker); }));

    // The wheel over the closed list moves its selection.
    TurnWheelAt(face, -2);
    ASSERT_TRUE(WaitUntil([&] { return ComboSelection(windows.faceCombo) == 2; }));

    // The hotkey's list closed by a click elsewhere takes itself away.
    PostMessageA(windows.picker, WM_HOTKEY, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(windows.popupCombo) != 0; }));
    SendMessageA(windows.popupCombo, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_FALSE(IsWindowVisible(windows.popupCombo));

    OpenAndWalk(windows, 3);
    WaitForPickerToCatchUp(windows.picker);
    EXPECT_EQ(target.KeyLog(), "");
    EXPECT_EQ(Clipboard(), "untouched");
    EXPECT_EQ(ComboItems(windows.faceCombo), Faces({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

    // Enter on the highlighted emoticon chooses it, once.
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return target.Text() == "f4"; })) << target.Text();
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == windows.picker; }));
    WaitForPickerToCatchUp(windows.picker);
    EXPECT_EQ(target.KeyLog(), "D11 D56 U56 U11 ");
    EXPECT_EQ(Clipboard(), "f4");
    EXPECT_EQ(ComboItems(windows.faceCombo), Faces({4, 1, 2, 3, 5, 6, 7, 8, 9, 10}));
}

TEST(Paste, EveryPasteKeyReachesTheTargetAsItsKeySequence)
{
    RunningPasteTarget target;
    ASSERT_TRUE(target.Started());
    const std::pair<const char*, const char*> cases[] = {
        {"0", "D11 D56 U56 U11 "},
        {"1", "D10 D2DE U2DE U10 "},
        {"2", "D78 U78 "},
        {"3", "D10 D78 U78 U10 "},
        {"4", "D10 D12 D2DE U2DE U12 U10 "},
        {"5", "D12 D56 U56 U12 "},
        {"9", "D11 D56 U56 U11 "},
        {"-1", "D11 D56 U56 U11 "},
    };
    for (const auto& [pasteKey, keys] : cases) {
        WorkDir dir;
        dir.Write("Vemplor.txt", "\t(^_^)\n\t(;_;)\n");
        dir.WriteSetting("PasteKey", pasteKey);
        RunningPicker picker(dir);
        ASSERT_TRUE(picker.Started());
        ASSERT_TRUE(MakePasteTarget(target, picker.Picker(), picker.Windows().faceCombo));
        ChooseFace(picker.Picker(), picker.Windows().faceCombo, 1);
        EXPECT_EQ(target.KeyLog(), keys) << "PasteKey " << pasteKey;
        picker.RequestClose();
        EXPECT_EQ(picker.WaitForExit(), 0);
    }
}

TEST(Paste, WithoutAutomaticPastingTheTextGoesToTheClipboardOnly)
{
    WorkDir dir;
    dir.Write("Vemplor.txt", "\t(^_^)\n\t(;_;)\n");
    dir.WriteSetting("AutoPaste", "0");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    RunningPasteTarget target;
    ASSERT_TRUE(target.BringToFront());
    SetClipboardText("before");
    ChooseFace(picker.Picker(), picker.Windows().faceCombo, 1);
    EXPECT_EQ(Clipboard(), "(;_;)");
    EXPECT_EQ(GetForegroundWindow(), target.Window());
    EXPECT_FALSE(WaitUntil([&] { return !target.KeyLog().empty(); }, 1000));
}

TEST(Paste, BeforeAnyOtherWindowWasInFrontNothingIsSent)
{
    WorkDir dir;
    dir.Write("Vemplor.txt", "\t(^_^)\n\t(;_;)\n");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == picker.Picker(); }));
    ChooseFace(picker.Picker(), picker.Windows().faceCombo, 1);
    EXPECT_EQ(Clipboard(), "(;_;)");
    EXPECT_EQ(GetForegroundWindow(), picker.Picker());
}

TEST(Paste, ALineBreakTravelsInsideThePastedText)
{
    WorkDir dir;
    dir.Write("Vemplor.txt", "\t(^_^)\n\t(;_;)\n");
    dir.WriteSetting("Return", "1");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    RunningPasteTarget target;
    ASSERT_TRUE(MakePasteTarget(target, picker.Picker(), picker.Windows().faceCombo));
    ChooseFace(picker.Picker(), picker.Windows().faceCombo, 1);
    EXPECT_EQ(Clipboard(), "(;_;)\r\n");
    EXPECT_EQ(target.Text(), "(;_;)\r\n");
}

TEST(Paste, WidthConversionFollowsTheCharSetting)
{
    const std::string full = "ＡＢｃ１２３アイウ（＾＿＾）";
    const std::string half = "ABc123ｱｲｳ(^_^)";
    const struct {
        const char* setting;
        std::string face;
        std::string expected;
    } cases[] = {
        {"1", full, half}, {"2", half, full}, {"0", full, full}, {"3", half, half},
    };
    for (const auto& example : cases) {
        WorkDir dir;
        dir.Write("Vemplor.txt", "\t" + example.face + "\n");
        dir.WriteSetting("Char", example.setting);
        dir.WriteSetting("AutoPaste", "0");
        RunningPicker picker(dir);
        ASSERT_TRUE(picker.Started());
        ChooseFace(picker.Picker(), picker.Windows().faceCombo, 0);
        EXPECT_EQ(Clipboard(), example.expected) << "Char " << example.setting;
    }
}

TEST(Paste, ALongEmoticonReachesTheClipboardWholeAfterWideningAndALineBreak)
{
    WorkDir dir;
    std::string face(1020, 'w');
    dir.Write("Vemplor.txt", "\t" + face + "\n");
    dir.WriteSetting("Char", "2");
    dir.WriteSetting("Return", "1");
    dir.WriteSetting("AutoPaste", "0");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    ChooseFace(picker.Picker(), picker.Windows().faceCombo, 0);
    std::string widened;
    for (int i = 0; i < 1020; ++i) {
        widened += "ｗ";
    }
    EXPECT_EQ(Clipboard(), widened + "\r\n");
}

TEST(Paste, TheChosenEmoticonMovesToTheTopWhenTopMoveIsOn)
{
    WorkDir dir;
    dir.Write("Vemplor.txt", TenFaces);
    dir.WriteSetting("AutoPaste", "0");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    ChooseFace(picker.Picker(), picker.Windows().faceCombo, 5);
    EXPECT_EQ(ComboItems(picker.Windows().faceCombo), Faces({6, 1, 2, 3, 4, 5, 7, 8, 9, 10}));
    EXPECT_EQ(ComboSelection(picker.Windows().faceCombo), 0);
    EXPECT_EQ(Clipboard(), "f6");
    picker.RequestClose();
    ASSERT_EQ(picker.WaitForExit(), 0);
    EXPECT_EQ(dir.Read("Vemplor.txt").substr(0, 14), "t6\tf6\r\nt1\tf1\r\n");
}

TEST(Paste, WithTopMoveOffTheOrderStaysUnlessAFilterIsSet)
{
    WorkDir dir;
    dir.Write("Vemplor.txt", TenFaces);
    dir.WriteSetting("AutoPaste", "0");
    dir.WriteSetting("TopMove", "0");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    const PickerWindows& windows = picker.Windows();
    ChooseFace(windows.picker, windows.faceCombo, 5);
    EXPECT_EQ(ComboItems(windows.faceCombo), Faces({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(ComboSelection(windows.faceCombo), 5);
    EXPECT_EQ(Clipboard(), "f6");

    SetFilterText(windows, "f1");
    ASSERT_EQ(ComboItems(windows.faceCombo), Faces({1, 10}));
    ChooseFace(windows.picker, windows.faceCombo, 1);
    EXPECT_EQ(ComboItems(windows.faceCombo), Faces({10, 1}));
    EXPECT_EQ(ComboSelection(windows.faceCombo), 0);
    EXPECT_EQ(Clipboard(), "f10");

    SetFilterText(windows, "");
    EXPECT_EQ(ComboItems(windows.faceCombo), Faces({10, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(Paste, UnderAFilterTheFirstEqualEmoticonMovesWithItsOwnTag)
{
    WorkDir dir;
    dir.Write("Vemplor.txt", "a\t(x)\nb\t(y)\nc\t(x)\n");
    dir.WriteSetting("AutoPaste", "0");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    const PickerWindows& windows = picker.Windows();
    SetFilterText(windows, "c");
    ASSERT_EQ(ComboItems(windows.faceCombo), (std::vector<std::string>{"(x)"}));
    ChooseFace(windows.picker, windows.faceCombo, 0);
    EXPECT_EQ(Clipboard(), "(x)");
    picker.RequestClose();
    ASSERT_EQ(picker.WaitForExit(), 0);
    EXPECT_EQ(dir.Read("Vemplor.txt"), "a\t(x)\r\nb\t(y)\r\nc\t(x)");
}

TEST(Paste, AChoiceInTheHotkeyListPastesThenReorders)
{
    WorkDir dir;
    dir.Write("Vemplor.txt", TenFaces);
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    const PickerWindows& windows = picker.Windows();
    RunningPasteTarget target;
    ASSERT_TRUE(MakePasteTarget(target, windows.picker, windows.faceCombo));
    SetFilterText(windows, "f1");

    PostMessageA(windows.picker, WM_HOTKEY, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(windows.popupCombo) != 0; }));
    EXPECT_EQ(ComboItems(windows.popupCombo), Faces({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(ControlText(windows.filterEdit), "");

    ASSERT_TRUE(ClickDropDownItem(windows.picker, windows.popupCombo, 3));
    ASSERT_TRUE(WaitUntil([&] { return target.Text() == "f4"; })) << target.Text();
    EXPECT_EQ(Clipboard(), "f4");
    EXPECT_TRUE(WaitUntil([&] {
        return ComboItems(windows.faceCombo) == Faces({4, 1, 2, 3, 5, 6, 7, 8, 9, 10});
    }));
    EXPECT_FALSE(IsWindowVisible(windows.popupCombo));
    EXPECT_EQ(ComboSelection(windows.faceCombo), 0);
}

TEST(Paste, ALongPreparedFilterIsAppliedWhole)
{
    WorkDir dir;
    std::string longFilter(700, 'x');
    dir.Write("Vemplor.txt", "\t" + longFilter + "y\n\t" + std::string(699, 'x') + "\n");
    dir.Write("Filter.txt", longFilter + "\n");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    const PickerWindows& windows = picker.Windows();
    SendMessageA(windows.filterCombo, CB_SETCURSEL, 0, 0);
    SendMessageA(windows.picker, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(windows.filterCombo));
    EXPECT_EQ(ControlText(windows.filterEdit), longFilter);
    EXPECT_EQ(WindowTitle(windows.picker), "Vemplor 登録数[1/2]");
}

TEST(Paste, ChoosingAPreparedFilterNeverTouchesTheClipboard)
{
    WorkDir dir;
    dir.Write("Vemplor.txt", TenFaces);
    dir.Write("Filter.txt", "f1\n");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    const PickerWindows& windows = picker.Windows();
    SetClipboardText("untouched");
    SendMessageA(windows.filterCombo, CB_SETCURSEL, 0, 0);
    SendMessageA(windows.picker, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(windows.filterCombo));
    EXPECT_EQ(ComboItems(windows.faceCombo), Faces({1, 10}));
    EXPECT_EQ(Clipboard(), "untouched");
}

} // namespace
