// Choosing an emoticon: it moves to the top, lands on the clipboard as the user configured it,
// and is pasted into the window the user was working in, with the keystroke they chose.
#include <gtest/gtest.h>

#include "paste_target_harness.h"
#include "scenario.h"

namespace {

using Paste = PickerScenario;

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

// Chooses the first prepared filter as a choice in the filter list does.
void ChooseFirstPreparedFilter(const PickerWindows& windows)
{
    SendMessageA(windows.filterCombo, CB_SETCURSEL, 0, 0);
    SendMessageA(windows.picker, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(windows.filterCombo));
}

TEST_F(Paste, AChosenEmoticonLandsInTheWindowTheUserWasInAndThePickerComesBack)
{
    ASSERT_TRUE(Start({{FaceFile, "\t(^_^)\nねこ\t(=^・^=)\n\t(;_;)\n"}}));
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

// While another program holds the clipboard open, a choice cannot place its text there: it then
// pastes nothing, rather than whatever the clipboard held before; nor does a choice of nothing.
TEST_F(Paste, AChoiceWhoseTextCannotReachTheClipboardPastesNothing)
{
    ASSERT_TRUE(Start({{FaceFile, TenFaces}}));
    RunningPasteTarget target;
    ASSERT_TRUE(MakePasteTarget(target, windows.picker, windows.faceCombo));
    SetClipboardText("stale");
    ASSERT_TRUE(OpenClipboard(nullptr));
    ChooseFace(windows.picker, windows.faceCombo, 2);
    CaughtUp(windows.picker);
    CloseClipboard();
    EXPECT_EQ(target.KeyLog(), "");
    EXPECT_EQ(Clipboard(), "stale");

    // Nor does a choice with nothing selected, when the filter finds nothing.
    SetFilterText(windows, "zzz");
    ASSERT_TRUE(ComboItems(windows.faceCombo).empty());
    const WPARAM id = static_cast<WPARAM>(GetDlgCtrlID(windows.faceCombo));
    for (WORD code : {CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP}) {
        SendMessageW(windows.picker, WM_COMMAND, MAKEWPARAM(id, code),
                     reinterpret_cast<LPARAM>(windows.faceCombo));
    }
    CaughtUp(windows.picker);
    EXPECT_EQ(target.KeyLog(), "");
    EXPECT_EQ(Clipboard(), "stale");

    SetFilterText(windows, "");
    ChooseFace(windows.picker, windows.faceCombo, 0);
    ASSERT_TRUE(WaitUntil([&] { return target.Text() == ComboItems(windows.faceCombo)[0]; }))
        << "a later choice pastes as ever";
}

bool ListOpen(HWND picker)
{
    return VisibleDropDownList(picker) != nullptr;
}

// Opens the emoticon list with a click and walks down it with the arrow keys.
void OpenAndWalk(const PickerWindows& windows, int steps)
{
    ClickControl(windows.faceCombo);
    ASSERT_TRUE(WaitUntil([&] { return ListOpen(windows.picker); }));
    for (int step = 0; step < steps; ++step) {
        PressKey(VK_DOWN);
    }
    ASSERT_TRUE(WaitUntil([&] { return ComboSelection(windows.faceCombo) == steps; }));
}

TEST_F(Paste, BrowsingTheListsChoosesNothingUntilEnterChoosesOnce)
{
    ASSERT_TRUE(Start({{FaceFile, TenFaces}}));
    RunningPasteTarget target;
    ASSERT_TRUE(MakePasteTarget(target, windows.picker, windows.faceCombo));
    SetClipboardText("untouched");
    POINT face = CentreOf(windows.faceCombo);

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

    // The hotkey's pop-up closed by a click elsewhere takes itself away.
    PostMessageA(windows.picker, WM_HOTKEY, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == windows.popupCombo; }));
    ClickAt(bar.left + 60, bar.top + 8);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(windows.popupCombo); }));

    OpenAndWalk(windows, 3);
    CaughtUp(windows.picker);
    EXPECT_EQ(target.KeyLog(), "");
    EXPECT_EQ(Clipboard(), "untouched");
    EXPECT_EQ(ComboItems(windows.faceCombo), Faces({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

    // Enter on the highlighted emoticon chooses it, once.
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return target.Text() == "f4"; })) << target.Text();
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == windows.picker; }));
    CaughtUp(windows.picker);
    EXPECT_EQ(target.KeyLog(), "D11 D56 U56 U11 ");
    EXPECT_EQ(Clipboard(), "f4");
    EXPECT_EQ(ComboItems(windows.faceCombo), Faces({4, 1, 2, 3, 5, 6, 7, 8, 9, 10}));
}

TEST_F(Paste, EveryPasteKeyReachesTheTargetAsItsKeySequence)
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
        ASSERT_TRUE(Start({{FaceFile, "\t(^_^)\n\t(;_;)\n"}}, {{"PasteKey", pasteKey}}));
        ASSERT_TRUE(MakePasteTarget(target, picker.Picker(), windows.faceCombo));
        ChooseFace(picker.Picker(), windows.faceCombo, 1);
        EXPECT_EQ(target.KeyLog(), keys) << "PasteKey " << pasteKey;
        EXPECT_EQ(CloseAndWait(picker), 0);
    }
}

TEST_F(Paste, WithoutAutomaticPastingTheTextGoesToTheClipboardOnly)
{
    ASSERT_TRUE(Start({{FaceFile, "\t(^_^)\n\t(;_;)\n"}}, {{"AutoPaste", "0"}}));
    RunningPasteTarget target;
    ASSERT_TRUE(target.BringToFront());
    SetClipboardText("before");
    ChooseFace(picker.Picker(), windows.faceCombo, 1);
    EXPECT_EQ(Clipboard(), "(;_;)");
    EXPECT_EQ(GetForegroundWindow(), target.Window());
    EXPECT_FALSE(WaitUntil([&] { return !target.KeyLog().empty(); }, 1000));
}

TEST_F(Paste, BeforeAnyOtherWindowWasInFrontNothingIsSent)
{
    ASSERT_TRUE(Start({{FaceFile, "\t(^_^)\n\t(;_;)\n"}}));
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == picker.Picker(); }));
    ChooseFace(picker.Picker(), windows.faceCombo, 1);
    EXPECT_EQ(Clipboard(), "(;_;)");
    EXPECT_EQ(GetForegroundWindow(), picker.Picker());
}

TEST_F(Paste, ALineBreakTravelsInsideThePastedText)
{
    ASSERT_TRUE(Start({{FaceFile, "\t(^_^)\n\t(;_;)\n"}}, {{"Return", "1"}}));
    RunningPasteTarget target;
    ASSERT_TRUE(MakePasteTarget(target, picker.Picker(), windows.faceCombo));
    ChooseFace(picker.Picker(), windows.faceCombo, 1);
    EXPECT_EQ(Clipboard(), "(;_;)\r\n");
    EXPECT_EQ(target.Text(), "(;_;)\r\n");
}

TEST_F(Paste, WidthConversionFollowsTheCharSetting)
{
    const std::string full = "ＡＢｃ１２３アイウ（＾＿＾）";
    const std::string half = "ABc123ｱｲｳ(^_^)";
    // In a UTF-8 list the conversion leaves what Shift-JIS has no place for as it is.
    const std::string fullUnicode = u8"（ＡＢ♡ア）";
    const std::string halfUnicode = u8"(AB♡ｱ)";
    const struct {
        const char* setting;
        std::string face;
        std::string expected;
        bool utf8;
    } cases[] = {
        {"1", full, half, false},           {"2", half, full, false},
        {"0", full, full, false},           {"3", half, half, false},
        {"1", fullUnicode, halfUnicode, true}, {"2", halfUnicode, fullUnicode, true},
    };
    for (const auto& example : cases) {
        ASSERT_TRUE(Start({{FaceFile, (example.utf8 ? "\xEF\xBB\xBF\t" : "\t") + example.face + "\n"}},
                          {{"Char", example.setting}, {"AutoPaste", "0"}}));
        ChooseFace(picker.Picker(), windows.faceCombo, 0);
        EXPECT_EQ(example.utf8 ? Utf8ClipboardText() : Clipboard(), example.expected)
            << "Char " << example.setting;
    }
}

TEST_F(Paste, ALongEmoticonReachesTheClipboardWholeAfterWideningAndALineBreak)
{
    std::string face(1020, 'w');
    ASSERT_TRUE(Start({{FaceFile, "\t" + face + "\n"}},
                      {{"Char", "2"}, {"Return", "1"}, {"AutoPaste", "0"}}));
    ChooseFace(picker.Picker(), windows.faceCombo, 0);
    std::string widened;
    for (int i = 0; i < 1020; ++i) {
        widened += "ｗ";
    }
    EXPECT_EQ(Clipboard(), widened + "\r\n");
}

TEST_F(Paste, TheChosenEmoticonMovesToTheTopWhenTopMoveIsOn)
{
    ASSERT_TRUE(Start({{FaceFile, TenFaces}}, {{"AutoPaste", "0"}}));
    ChooseFace(picker.Picker(), windows.faceCombo, 5);
    EXPECT_EQ(ComboItems(windows.faceCombo), Faces({6, 1, 2, 3, 4, 5, 7, 8, 9, 10}));
    EXPECT_EQ(ComboSelection(windows.faceCombo), 0);
    EXPECT_EQ(Clipboard(), "f6");
    ASSERT_EQ(CloseAndWait(picker), 0);
    EXPECT_EQ(dir.Read(FaceFile).substr(0, 14), "t6\tf6\r\nt1\tf1\r\n");
}

TEST_F(Paste, WithTopMoveOffTheOrderStaysUnlessAFilterIsSet)
{
    ASSERT_TRUE(Start({{FaceFile, TenFaces}}, {{"AutoPaste", "0"}, {"TopMove", "0"}}));
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

TEST_F(Paste, UnderAFilterTheFirstEqualEmoticonMovesWithItsOwnTag)
{
    ASSERT_TRUE(Start({{FaceFile, "a\t(x)\nb\t(y)\nc\t(x)\n"}}, {{"AutoPaste", "0"}}));
    SetFilterText(windows, "c");
    ASSERT_EQ(ComboItems(windows.faceCombo), (std::vector<std::string>{"(x)"}));
    ChooseFace(windows.picker, windows.faceCombo, 0);
    EXPECT_EQ(Clipboard(), "(x)");
    ASSERT_EQ(CloseAndWait(picker), 0);
    EXPECT_EQ(dir.Read(FaceFile), "a\t(x)\r\nb\t(y)\r\nc\t(x)");
}

TEST_F(Paste, AChoiceInTheHotkeyListPastesThenReorders)
{
    ASSERT_TRUE(Start({{FaceFile, TenFaces}}));
    RunningPasteTarget target;
    ASSERT_TRUE(MakePasteTarget(target, windows.picker, windows.faceCombo));
    SetFilterText(windows, "f1");

    PostMessageA(windows.picker, WM_HOTKEY, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(windows.popupCombo) != 0; }));
    EXPECT_EQ(ListItems(windows.popupList), Faces({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(ControlText(windows.filterEdit), "");

    ClickListItem(windows.popupList, 3);
    ASSERT_TRUE(WaitUntil([&] { return target.Text() == "f4"; })) << target.Text();
    EXPECT_EQ(Clipboard(), "f4");
    EXPECT_TRUE(WaitUntil([&] {
        return ComboItems(windows.faceCombo) == Faces({4, 1, 2, 3, 5, 6, 7, 8, 9, 10});
    }));
    EXPECT_FALSE(IsWindowVisible(windows.popupCombo));
    EXPECT_EQ(ComboSelection(windows.faceCombo), 0);
}

TEST_F(Paste, ALongPreparedFilterIsAppliedWhole)
{
    std::string longFilter(700, 'x');
    ASSERT_TRUE(Start({{FaceFile, "\t" + longFilter + "y\n\t" + std::string(699, 'x') + "\n"},
                       {FilterFile, longFilter + "\n"}}));
    ChooseFirstPreparedFilter(windows);
    EXPECT_EQ(ControlText(windows.filterEdit), longFilter);
    EXPECT_EQ(WindowTitle(windows.picker), "Vemplor 登録数[1/2]");
}

TEST_F(Paste, ChoosingAPreparedFilterNeverTouchesTheClipboard)
{
    ASSERT_TRUE(Start({{FaceFile, TenFaces}, {FilterFile, "f1\n"}}));
    SetClipboardText("untouched");
    ChooseFirstPreparedFilter(windows);
    EXPECT_EQ(ComboItems(windows.faceCombo), Faces({1, 10}));
    EXPECT_EQ(Clipboard(), "untouched");
}

} // namespace
