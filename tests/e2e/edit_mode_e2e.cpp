// Edit mode: the whole list as a table edited in place, rows added and deleted, and the sort and
// duplicate check started from it; every change reaches the picker and the saved file, and no
// entry is cut or lost on the way.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "harness.h"

namespace {

const std::string FaceFile = "Vemplor.txt";

POINT CentreOf(RECT rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

struct RowEditors {
    HWND tag = nullptr;
    HWND face = nullptr;
};

// The two edit boxes over the list; the emoticon's is the wider one (the tag's has no width at
// all without the filter column).
RowEditors EditorsOf(HWND listView)
{
    HWND first = FindWindowExA(listView, nullptr, "Edit", nullptr);
    HWND second = FindWindowExA(listView, first, "Edit", nullptr);
    RECT a = WindowRectOf(first);
    RECT b = WindowRectOf(second);
    return (a.right - a.left) > (b.right - b.left) ? RowEditors{second, first}
                                                    : RowEditors{first, second};
}

std::vector<std::string> RowsOf(HWND listView, int column)
{
    std::vector<std::string> rows;
    for (int row = 0; row < ListViewRowCount(listView); ++row) {
        rows.push_back(ListViewCell(listView, row, column));
    }
    return rows;
}

int HeightOf(HWND window)
{
    RECT rect = WindowRectOf(window);
    return rect.bottom - rect.top;
}

// Away from where rows are double-clicked, so that a click and a following double-click are not
// taken together.
void ClickRow(HWND listView, int row)
{
    RECT cell = ListViewCellRect(listView, row, 1);
    ClickAt(cell.right - 10, (cell.top + cell.bottom) / 2);
}

// Double-clicks a row open, clicks into its emoticon box and types there, after the text when
// appending, else in place of it. The focus stays in the box.
RowEditors TypeIntoFace(HWND listView, int row, const std::string& text, bool append)
{
    RowEditors editors = EditorsOf(listView);
    DoubleClickAt(CentreOf(ListViewCellRect(listView, row, 1)));
    if (!WaitUntil([&] { return IsWindowVisible(editors.face) != 0; })) {
        ADD_FAILURE() << "a double-click on row " << row << " opens the editors";
        return editors;
    }
    std::string expected = append ? ControlText(editors.face) + text : text;
    POINT box = CentreOf(WindowRectOf(editors.face));
    ClickAt(box.x, box.y);
    WaitUntil([&] { return FocusedWindow(listView) == editors.face; });
    PressKey(VK_END, true);
    if (!append) {
        KeyDown(VK_SHIFT);
        PressKey(VK_HOME, true);
        KeyUp(VK_SHIFT);
    }
    TypeText(text);
    EXPECT_TRUE(WaitUntil([&] { return ControlText(editors.face) == expected; }))
        << ControlText(editors.face);
    return editors;
}

bool EnterEditMode(const PickerWindows& windows)
{
    return ChooseFromMenu(ShiftingCaptionPoint(windows.picker), {'E'}) &&
           WaitUntil([&] { return IsWindowVisible(windows.editListView) != 0; });
}

bool LeaveByMenu(const PickerWindows& windows, POINT at, std::initializer_list<WORD> keys)
{
    return ChooseFromMenu(at, keys) &&
           WaitUntil([&] { return IsWindowVisible(windows.faceCombo) != 0; });
}

TEST(EditMode, ShowsEveryEntryWhateverTheFilterAndAnEditInPlaceReachesThePickerAndTheFile)
{
    WorkDir dir;
    dir.Write(FaceFile, "a\t(^_^)\nb\t(T_T)\nc\t(^o^)\n");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    const PickerWindows& windows = picker.Windows();
    SetForegroundWindow(picker.Picker());
    POINT filter = CentreOf(WindowRectOf(windows.filterCombo));
    ClickAt(filter.x - 10, filter.y);
    TypeText("_");
    ASSERT_TRUE(WaitUntil([&] { return WindowTitle(picker.Picker()) == "Vemplor 登録数[2/3]"; }));
    int barHeight = HeightOf(picker.Picker());

    ASSERT_TRUE(EnterEditMode(windows));
    HWND list = windows.editListView;
    EXPECT_FALSE(IsWindowVisible(windows.faceCombo));
    EXPECT_FALSE(IsWindowVisible(windows.filterCombo));
    EXPECT_GT(HeightOf(picker.Picker()), barHeight * 3);
    EXPECT_EQ(RowsOf(list, 0), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(RowsOf(list, 1), (std::vector<std::string>{"(^_^)", "(T_T)", "(^o^)"}));

    RowEditors editors = TypeIntoFace(list, 1, "(;_;)", false);
    EXPECT_EQ(ControlText(editors.tag), "b") << "the tag's box is prefilled too";
    RECT cell = ListViewCellRect(list, 1, 1);
    EXPECT_EQ(WindowRectOf(editors.face).top, cell.top);
    EXPECT_EQ(WindowRectOf(editors.face).left, cell.left);

    ClickRow(list, 2);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(editors.face); }))
        << "another row closes the editors";
    EXPECT_FALSE(IsWindowVisible(editors.tag));
    EXPECT_EQ(RowsOf(list, 1), (std::vector<std::string>{"(^_^)", "(;_;)", "(^o^)"}));
    EXPECT_EQ(RowsOf(list, 0), (std::vector<std::string>{"a", "b", "c"}));

    TypeIntoFace(list, 2, "(-_-)", false);
    ClickRow(list, 0);
    ASSERT_TRUE(LeaveByMenu(windows, CentreOf(ListViewCellRect(list, 0, 1)), {'E'}));
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(HeightOf(picker.Picker()), barHeight);
    EXPECT_EQ(WindowTitle(picker.Picker()), "Vemplor 登録数[3/3]")
        << "the filter applies again, to the edited list";
    EXPECT_EQ(ComboItems(windows.faceCombo),
              (std::vector<std::string>{"(^_^)", "(;_;)", "(-_-)"}));
    EXPECT_EQ(dir.Read(FaceFile), "a\t(^_^)\nb\t(T_T)\nc\t(^o^)\n") << "leaving writes no file";

    picker.RequestClose();
    EXPECT_EQ(picker.WaitForExit(), 0);
    EXPECT_EQ(dir.Read(FaceFile), "a\t(^_^)\r\nb\t(;_;)\r\nc\t(-_-)");
}

TEST(EditMode, LongAndUnusualEntriesPassUntouchedAndTypingNotYetCommittedIsKept)
{
    std::string longFace;
    for (int i = 0; i < 1000; ++i) {
        longFace += "あ";
    }
    // 纊 in the code page's first form, which a conversion through Unicode gives back in another.
    const std::string oddTag = "long\xED\x40";
    WorkDir dir;
    dir.Write(FaceFile, oddTag + "\t" + longFace + "\nkeep\t(o_o)\nx\t(-_-)\n");
    dir.WriteSetting("Filter", "0");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    const PickerWindows& windows = picker.Windows();
    SetForegroundWindow(picker.Picker());

    ASSERT_TRUE(EnterEditMode(windows));
    HWND list = windows.editListView;
    ASSERT_EQ(ListViewRowCount(list), 3);
    EXPECT_EQ(ListViewCell(list, 0, 1), longFace);
    RowEditors editors = EditorsOf(list);
    DoubleClickAt(CentreOf(ListViewCellRect(list, 0, 1)));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(editors.face) != 0; }));
    EXPECT_EQ(ControlText(editors.face), longFace) << "the whole entry is offered for editing";
    ClickRow(list, 1);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(editors.face); }));

    // Left through the caption's menu while the focus is still in the box.
    TypeIntoFace(list, 1, "(^-^)", false);
    ASSERT_TRUE(LeaveByMenu(windows, ShiftingCaptionPoint(picker.Picker()), {'E'}));
    EXPECT_EQ(ComboItems(windows.faceCombo),
              (std::vector<std::string>{longFace, "(^-^)", "(-_-)"}));

    // A session's end saves what is being typed; so does quitting.
    ASSERT_TRUE(EnterEditMode(windows));
    TypeIntoFace(list, 2, "!", true);
    SendMessageA(picker.Picker(), WM_ENDSESSION, TRUE, 0);
    const std::string saved = oddTag + "\t" + longFace + "\r\nkeep\t(^-^)\r\nx\t(-_-)";
    EXPECT_EQ(dir.Read(FaceFile), saved + "!");
    TypeIntoFace(list, 2, "?", true);
    picker.RequestClose();
    EXPECT_EQ(picker.WaitForExit(), 0);
    EXPECT_EQ(dir.Read(FaceFile), saved + "!?");
}

TEST(EditMode, RowsAreInsertedAtTheSelectionAndDeletedAsSelectedAndABlankRowIsSavedAsATab)
{
    WorkDir dir;
    dir.Write(FaceFile, "A\t(A)\nB\t(B)\nC\t(C)\nD\t(D)\n");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    const PickerWindows& windows = picker.Windows();
    SetForegroundWindow(picker.Picker());
    ASSERT_TRUE(EnterEditMode(windows));
    HWND list = windows.editListView;

    ClickRow(list, 2);
    ASSERT_TRUE(ChooseFromMenu(CentreOf(ListViewCellRect(list, 2, 1)), {'N'}));
    ASSERT_TRUE(WaitUntil([&] { return ListViewRowCount(list) == 5; }));
    EXPECT_EQ(RowsOf(list, 1), (std::vector<std::string>{"(A)", "(B)", "", "(C)", "(D)"}));
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 3)
        << "the selection stays on the row that was selected";

    ClickRow(list, 0);
    AddListViewRowToSelection(list, 3);
    ASSERT_TRUE(WaitUntil([&] { return ListView_GetSelectedCount(list) == 2; }));
    ASSERT_TRUE(ChooseFromMenu(CentreOf(ListViewCellRect(list, 3, 1)), {VK_UP, VK_UP, VK_RETURN}));
    ASSERT_TRUE(WaitUntil([&] { return ListViewRowCount(list) == 3; }));
    EXPECT_EQ(RowsOf(list, 1), (std::vector<std::string>{"(B)", "", "(D)"}));

    // Nothing selected: the new row goes to the end.
    RECT below = ListViewCellRect(list, 2, 1);
    POINT empty = {below.left + 5, below.bottom + 40};
    ClickAt(empty.x, empty.y);
    ASSERT_TRUE(WaitUntil([&] { return ListView_GetSelectedCount(list) == 0; }));
    ASSERT_TRUE(ChooseFromMenu(empty, {'N'}));
    ASSERT_TRUE(WaitUntil([&] { return ListViewRowCount(list) == 4; }));
    TypeIntoFace(list, 3, "(E)", false);

    picker.RequestClose();
    EXPECT_EQ(picker.WaitForExit(), 0);
    EXPECT_EQ(dir.Read(FaceFile), "B\t(B)\r\n\t\r\nD\t(D)\r\n\t(E)");
}

TEST(EditMode, DuplicateCheckAndSortLeaveEditModeAndKeepOneBlankRowFirst)
{
    WorkDir dir;
    const std::string list = "a\tx\nb\ty\na\tx\nb\ty\na\tx\n";
    dir.Write(FaceFile, list);
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    const PickerWindows& windows = picker.Windows();
    SetForegroundWindow(picker.Picker());
    ASSERT_TRUE(EnterEditMode(windows));
    HWND listView = windows.editListView;
    RECT last = ListViewCellRect(listView, 4, 1);
    POINT empty = {last.left + 5, last.bottom + 40};
    for (int added = 1; added <= 2; ++added) {
        ASSERT_TRUE(ChooseFromMenu(empty, {'N'}));
        ASSERT_TRUE(WaitUntil([&] { return ListViewRowCount(listView) == 5 + added; }));
    }

    ASSERT_TRUE(LeaveByMenu(windows, ShiftingCaptionPoint(picker.Picker()), {'D'}));
    EXPECT_EQ(ComboItems(windows.faceCombo), (std::vector<std::string>{"x", "y", ""}));
    EXPECT_EQ(WindowTitle(picker.Picker()), "Vemplor 登録数[3/3]");

    ASSERT_TRUE(EnterEditMode(windows));
    ASSERT_TRUE(LeaveByMenu(windows, ShiftingCaptionPoint(picker.Picker()), {'S'}));
    EXPECT_EQ(ComboItems(windows.faceCombo), (std::vector<std::string>{"", "x", "y"}));
    EXPECT_EQ(dir.Read(FaceFile), list) << "neither command writes the file";

    picker.RequestClose();
    EXPECT_EQ(picker.WaitForExit(), 0);
    EXPECT_EQ(dir.Read(FaceFile), "\t\r\na\tx\r\nb\ty");
}

} // namespace
