// The picker as the user sees it: the filter narrows the list at every keystroke, prepared
// filters apply at once, the bar keeps its shape, the lists reach down the screen, and the
// tooltips answer while they are switched on.
#include <gtest/gtest.h>

#include "scenario.h"

namespace {

using Picker = PickerScenario;

std::string SampleList()
{
    return "えがお\t(^_^)\n"
           "ねこ\t(=^・^=)\n"
           "\tabc\n"
           "ABC\t(ABC)\n"
           "えがお\t(^_^)\n"
           "なみだ\t(;_;)\n"
           "\tＡＢＣ\n";
}

TEST_F(Picker, TypingAFilterNarrowsTheListAtEveryKeystroke)
{
    ASSERT_TRUE(Start({{FaceFile, SampleList()}}));
    EXPECT_EQ(WindowTitle(windows.picker), "Vemplor 登録数[7/7]");

    ClickControl(windows.filterEdit);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(windows.picker) == windows.filterEdit; }));
    TypeText("(");
    ASSERT_TRUE(TitleBecomes(windows.picker, "Vemplor 登録数[5/7]"))
        << ControlText(windows.filterEdit) << " " << WindowTitle(windows.picker);
    EXPECT_EQ(ComboItems(windows.faceCombo),
              (std::vector<std::string>{"(^_^)", "(=^・^=)", "(ABC)", "(^_^)", "(;_;)"}));
    EXPECT_EQ(ComboSelection(windows.faceCombo), 0);

    TypeText("^");
    ASSERT_TRUE(TitleBecomes(windows.picker, "Vemplor 登録数[2/7]"));
    EXPECT_EQ(ComboItems(windows.faceCombo), (std::vector<std::string>{"(^_^)", "(^_^)"}));

    PressKey(VK_BACK);
    PressKey(VK_BACK);
    ASSERT_TRUE(TitleBecomes(windows.picker, "Vemplor 登録数[7/7]"));
    EXPECT_EQ(ComboItems(windows.faceCombo).size(), 7u);

    // Found by reading, case and width fold: the faces abc and ＡＢＣ, and the tag ABC.
    TypeText("ABC");
    ASSERT_TRUE(TitleBecomes(windows.picker, "Vemplor 登録数[3/7]"));
    EXPECT_EQ(ComboItems(windows.faceCombo),
              (std::vector<std::string>{"abc", "(ABC)", "ＡＢＣ"}));
}

TEST_F(Picker, AFilterThatMatchesNothingLeavesTheListEmpty)
{
    ASSERT_TRUE(Start({{FaceFile, SampleList()}}));
    SetFilterText(windows, "zzz");
    EXPECT_EQ(WindowTitle(windows.picker), "Vemplor 登録数[0/7]");
    EXPECT_TRUE(ComboItems(windows.faceCombo).empty());
    EXPECT_EQ(ComboSelection(windows.faceCombo), -1);
}

TEST_F(Picker, AFilterTakesPartWholeHoweverLongAndWhateverItsFirstCharacter)
{
    std::string longFace(1100, 'a');
    ASSERT_TRUE(Start({{FaceFile, "\t" + longFace + "b\n\t" + longFace + "c\n" + SampleList()}},
                      {{"AutoPaste", "0"}}));
    SetFilterText(windows, longFace + "b");
    EXPECT_EQ(WindowTitle(windows.picker), "Vemplor 登録数[1/9]");

    // A filter typed with a double-byte first character filters, and a choice under it takes
    // the entry shown.
    SendMessageA(windows.filterEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    ClickControl(windows.filterEdit);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(windows.picker) == windows.filterEdit; }));
    TypeText("ねこ");
    ASSERT_TRUE(TitleBecomes(windows.picker, "Vemplor 登録数[1/9]")) << WindowTitle(windows.picker);
    ASSERT_EQ(ComboItems(windows.faceCombo), (std::vector<std::string>{"(=^・^=)"}));
    ASSERT_TRUE(OpenListAt(windows.faceCombo, 0));
    ConfirmOpenList(windows.faceCombo);
    std::string clipboard;
    EXPECT_TRUE(ReadClipboardText(clipboard));
    EXPECT_EQ(clipboard, "(=^・^=)");
}

TEST_F(Picker, ChoosingAPreparedFilterFromTheListFiltersAtOnce)
{
    ASSERT_TRUE(Start({{FaceFile, SampleList()}, {FilterFile, "ねこ\r\nえがお\r\n"}}));

    ASSERT_TRUE(ClickDropDownItem(windows.picker, windows.filterCombo, 1));

    ASSERT_TRUE(TitleBecomes(windows.picker, "Vemplor 登録数[2/7]"));
    EXPECT_EQ(ControlText(windows.filterEdit), "えがお");
    EXPECT_EQ(ComboItems(windows.faceCombo), (std::vector<std::string>{"(^_^)", "(^_^)"}));
    EXPECT_EQ(ComboSelection(windows.faceCombo), 0);
}

int CaptionAllowance()
{
    return GetSystemMetrics(SM_CYEDGE) + GetSystemMetrics(SM_CYBORDER) +
           GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYSMCAPTION);
}

TEST_F(Picker, TheBarIsOneComboRowTallWithTheFilterInTheLeftThird)
{
    ASSERT_TRUE(Start({}, {{"Width", "460"}}));
    RECT outer = WindowRectOf(windows.picker);
    RECT face = WindowRectOf(windows.faceCombo);
    RECT filter = WindowRectOf(windows.filterCombo);
    RECT client = {};
    GetClientRect(windows.picker, &client);

    EXPECT_EQ(outer.right - outer.left, 460);
    EXPECT_EQ(outer.bottom - outer.top, (face.bottom - face.top) + CaptionAllowance());
    EXPECT_EQ(filter.right - filter.left, client.right / 3);
    EXPECT_EQ(face.left, filter.right);
    EXPECT_EQ(face.right - face.left, client.right - client.right / 3);
}

TEST_F(Picker, WithTheFilterOffTheEmoticonListFillsTheRow)
{
    ASSERT_TRUE(Start({}, {{"Filter", "0"}}));
    RECT client = {};
    GetClientRect(windows.picker, &client);
    POINT origin = {0, 0};
    ClientToScreen(windows.picker, &origin);
    RECT face = WindowRectOf(windows.faceCombo);

    EXPECT_FALSE(IsWindowVisible(windows.filterCombo));
    EXPECT_EQ(face.left, origin.x);
    EXPECT_EQ(face.right - face.left, client.right);
}

TEST_F(Picker, TheEmoticonListDropsDownToTheBottomOfTheWorkArea)
{
    ASSERT_TRUE(Start({{FaceFile, SampleList()}}, {{"Top", "100"}}));
    RECT workArea = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);

    RECT combo = WindowRectOf(windows.faceCombo);
    SendMessageA(windows.faceCombo, CB_SHOWDROPDOWN, TRUE, 0);
    HWND list = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (list = VisibleDropDownList(windows.picker)) != nullptr; }));
    RECT listRect = WindowRectOf(list);
    RECT picked = WindowRectOf(windows.picker);
    // The list ends as far above the work area's bottom as the window's frame is below the row.
    int frameBelowRow = picked.bottom - combo.bottom;
    EXPECT_NEAR(listRect.bottom, workArea.bottom - frameBelowRow, 2);
}

TEST_F(Picker, TooltipsNameTheListsWhileSwitchedOn)
{
    ASSERT_TRUE(Start());
    HWND tip = nullptr;

    ClickControl(windows.filterEdit);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(windows.picker) == windows.filterEdit; }));
    RECT face = WindowRectOf(windows.faceCombo);
    MoveMouseTo(face.left + 20, (face.top + face.bottom) / 2);
    MoveMouseTo(face.left + 22, (face.top + face.bottom) / 2);
    ASSERT_TRUE(WaitUntil([&] { return (tip = VisibleToolTip(windows.picker)) != nullptr; }));
    EXPECT_EQ(ControlText(tip), "顔文字リスト");

    RECT edit = WindowRectOf(windows.filterEdit);
    MoveMouseTo(edit.left + 10, (edit.top + edit.bottom) / 2);
    MoveMouseTo(edit.left + 12, (edit.top + edit.bottom) / 2);
    ASSERT_TRUE(WaitUntil([&] {
        tip = VisibleToolTip(windows.picker);
        return tip != nullptr && ControlText(tip) == "顔文字フィルタ";
    }));
}

TEST_F(Picker, TooltipsStaySilentWhileSwitchedOff)
{
    ASSERT_TRUE(Start({}, {{"ToolTip", "0"}}));
    ClickControl(windows.filterEdit);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(windows.picker) == windows.filterEdit; }));
    RECT face = WindowRectOf(windows.faceCombo);
    MoveMouseTo(face.left + 20, (face.top + face.bottom) / 2);
    MoveMouseTo(face.left + 22, (face.top + face.bottom) / 2);
    // Switched on, a tip shows well within this time (see the test above).
    EXPECT_FALSE(WaitUntil([&] { return VisibleToolTip(windows.picker) != nullptr; }, 2500));
}

// Entry i of a long generated list: tag and emoticon numbered alike.
std::string LongListFace(int i)
{
    char face[16];
    wsprintfA(face, "f%06d", i);
    return face;
}

std::string LongListLine(int i)
{
    return "t" + LongListFace(i).substr(1) + "\t" + LongListFace(i) + "\r\n";
}

int ItemCount(HWND combo)
{
    return static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
}

// A list so long that FaceCombo is still filling while the user works: a click in the open
// list chooses what it shows, the rest of the list follows in order behind the moved entry, a
// keystroke gives the running fill up for its own result, and quitting saves the whole list.
TEST_F(Picker, WhileALongListIsStillFillingEveryActionSeesTheWholeList)
{
    const int count = 300000;
    std::string file;
    for (int i = 0; i < count; ++i) {
        file += LongListLine(i);
    }
    ASSERT_TRUE(Start({{FaceFile, file}}, {{"AutoPaste", "0"}}));
    ASSERT_LT(ItemCount(windows.faceCombo), count) << "the list is still filling";
    EXPECT_EQ(WindowTitle(windows.picker), "Vemplor 登録数[300000/300000]");

    ASSERT_TRUE(ClickDropDownItem(windows.picker, windows.faceCombo, 5));
    std::string chosen;
    EXPECT_TRUE(WaitUntil([&] { return ReadClipboardText(chosen) && chosen == "f000005"; }))
        << chosen;
    ASSERT_TRUE(WaitUntil([&] { return ItemCount(windows.faceCombo) == count; }, 30000));
    EXPECT_EQ(ComboSelection(windows.faceCombo), 0);
    const int samples[] = {0, 1, 5, 6, 100, 299999};
    const int expected[] = {5, 0, 4, 6, 100, 299999};
    for (std::size_t k = 0; k < sizeof samples / sizeof samples[0]; ++k) {
        EXPECT_EQ(ComboItem(windows.faceCombo, samples[k]), LongListFace(expected[k]));
    }

    // "f" shows every entry again; the keys after it each give up the fill still running.
    ClickControl(windows.filterEdit);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(windows.picker) == windows.filterEdit; }));
    TypeText("f12345");
    ASSERT_TRUE(TitleBecomes(windows.picker, "Vemplor 登録数[10/300000]"))
        << WindowTitle(windows.picker);
    std::vector<std::string> narrowed;
    for (int i = 123450; i <= 123459; ++i) {
        narrowed.push_back(LongListFace(i));
    }
    EXPECT_EQ(ComboItems(windows.faceCombo), narrowed);

    // Erasing the filter starts the whole list again; the window closes before it is in.
    for (int i = 0; i < 6; ++i) {
        PressKey(VK_BACK);
    }
    ASSERT_TRUE(TitleBecomes(windows.picker, "Vemplor 登録数[300000/300000]"));
    ASSERT_EQ(CloseAndWait(picker, 30000), 0);
    std::string saved = LongListLine(5);
    for (int i = 0; i < count; ++i) {
        if (i != 5) {
            saved += LongListLine(i);
        }
    }
    saved.resize(saved.size() - 2);
    EXPECT_TRUE(dir.Read(FaceFile) == saved) << "the whole list, in its new order";
}

} // namespace
