// Edit mode: the whole list as a table edited in place, rows added and deleted, and the sort and
// duplicate check started from it; every change reaches the picker and the saved file, and no
// entry is cut or lost on the way.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "scenario.h"

namespace {

using EditMode = PickerScenario;

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

// A Ctrl+click, or with two clicks a Ctrl+double-click. The pointer settles before Ctrl goes
// down: under Wine a pointer move while the key is held leaves it out of the click.
void CtrlClickAt(POINT at, int clicks)
{
    SettleMouseAt(at);
    KeyDown(VK_CONTROL);
    for (int click = 0; click < clicks; ++click) {
        MouseButtonAt(at, true, true);
        MouseButtonAt(at, true, false);
    }
    KeyUp(VK_CONTROL);
}

// Clicks into the open emoticon box and types there, after the text when appending, else in
// place of it. The focus stays in the box.
void TypeIntoOpenFace(HWND listView, const RowEditors& editors, const std::string& text,
                      bool append)
{
    std::string expected = append ? ControlText(editors.face) + text : text;
    POINT box = CentreOf(editors.face);
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
}

// Double-clicks a row open and types into its emoticon box (see TypeIntoOpenFace).
RowEditors TypeIntoFace(HWND listView, int row, const std::string& text, bool append)
{
    RowEditors editors = EditorsOf(listView);
    DoubleClickAt(MiddleOf(ListViewCellRect(listView, row, 1)));
    if (!WaitUntil([&] { return IsWindowVisible(editors.face) != 0; })) {
        ADD_FAILURE() << "a double-click on row " << row << " opens the editors";
        return editors;
    }
    TypeIntoOpenFace(listView, editors, text, append);
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

TEST_F(EditMode, ShowsEveryEntryWhateverTheFilterAndAnEditInPlaceReachesThePickerAndTheFile)
{
    ASSERT_TRUE(Start({{FaceFile, "a\t(^_^)\nb\t(T_T)\nc\t(^o^)\n"}}));
    SetForegroundWindow(picker.Picker());
    POINT filter = CentreOf(windows.filterCombo);
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
    EXPECT_EQ(WindowRectOf(editors.face).top, ListViewCellRect(list, 1, 1).top);

    ClickRow(list, 2);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(editors.face); }))
        << "another row closes the editors";
    EXPECT_EQ(RowsOf(list, 1), (std::vector<std::string>{"(^_^)", "(;_;)", "(^o^)"}));
    EXPECT_EQ(RowsOf(list, 0), (std::vector<std::string>{"a", "b", "c"}));

    TypeIntoFace(list, 2, "(-_-)", false);
    ClickRow(list, 0);
    ASSERT_TRUE(LeaveByMenu(windows, MiddleOf(ListViewCellRect(list, 0, 1)), {'E'}));
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

// A Ctrl+double-click on one row of a selection of two opens the editors over it but leaves only
// the other row selected. What is typed goes into the row the editors were opened over, both when
// the focus moves on to the other box and when another row is clicked; no other row changes, in
// the list or in the saved file.
TEST_F(EditMode, AnEditGoesIntoTheRowItsEditorsWereOpenedOverWhateverIsSelected)
{
    ASSERT_TRUE(Start({{FaceFile, "t1\t(a)\r\nt2\t(b)\r\nt3\t(c)\r\nt4\t(d)\r\n"}}));
    SetForegroundWindow(picker.Picker());
    ASSERT_TRUE(EnterEditMode(windows));
    HWND list = windows.editListView;

    ClickRow(list, 1);
    RECT cell = ListViewCellRect(list, 3, 1);
    CtrlClickAt({cell.right - 10, (cell.top + cell.bottom) / 2}, 1);
    ASSERT_TRUE(WaitUntil([&] { return ListView_GetSelectedCount(list) == 2; }));
    RowEditors editors = EditorsOf(list);
    CtrlClickAt(MiddleOf(cell), 2);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(editors.face) != 0; }));
    ASSERT_EQ(WindowRectOf(editors.face).top, ListViewCellRect(list, 3, 1).top);
    ASSERT_EQ(ListView_GetSelectedCount(list), 1u);
    ASSERT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 1);

    TypeIntoOpenFace(list, editors, "(Z)", false);
    ClickControl(editors.tag);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(list) == editors.tag; }));
    ClickRow(list, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(editors.face); }));
    EXPECT_EQ(RowsOf(list, 0), (std::vector<std::string>{"t1", "t2", "t3", "t4"}));
    EXPECT_EQ(RowsOf(list, 1), (std::vector<std::string>{"(a)", "(b)", "(c)", "(Z)"}));

    // Typed back after a commit, the earlier text is an edit as well; a text pasted over several
    // lines goes in as one line.
    TypeIntoFace(list, 3, "(d)", false);
    ClickControl(editors.tag);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(list) == editors.tag; }));
    SendMessageA(editors.tag, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("t\r\n4\r\n"));
    TypeIntoOpenFace(list, editors, "(Z)", false);
    ClickRow(list, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(editors.face); }));
    EXPECT_EQ(ListViewCell(list, 3, 0), "t 4");
    EXPECT_EQ(ListViewCell(list, 3, 1), "(Z)");

    picker.RequestClose();
    EXPECT_EQ(picker.WaitForExit(), 0);
    EXPECT_EQ(dir.Read(FaceFile), "t1\t(a)\r\nt2\t(b)\r\nt3\t(c)\r\nt 4\t(Z)");
}

TEST_F(EditMode, LongAndUnusualEntriesPassUntouchedAndTypingNotYetCommittedIsKept)
{
    // 纊 in the code page's first form, which a conversion through Unicode gives back in another.
    const std::string oddCharacter = "\xED\x40";
    std::string longFace;
    for (int i = 0; i < 1000; ++i) {
        longFace += "あ";
    }
    longFace += oddCharacter;
    const std::string oddTag = "long" + oddCharacter;
    ASSERT_TRUE(Start({{FaceFile, oddTag + "\t" + longFace + "\nkeep\t(o_o)\nx\t(-_-)\n"}},
                      {{"Filter", "0"}}));
    SetForegroundWindow(picker.Picker());

    ASSERT_TRUE(EnterEditMode(windows));
    HWND list = windows.editListView;
    ASSERT_EQ(ListViewRowCount(list), 3);
    // The cell holds the character itself; read back through the code page it comes in the
    // form the code page prefers, while the file below keeps the list's own bytes.
    EXPECT_EQ(ListViewCell(list, 0, 1), longFace.substr(0, longFace.size() - 2) + "\xFA\x5C");
    RowEditors editors = EditorsOf(list);
    DoubleClickAt(MiddleOf(ListViewCellRect(list, 0, 1)));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(editors.face) != 0; }));
    EXPECT_EQ(ControlText(editors.face).size(), longFace.size())
        << "the whole entry is offered for editing";
    ClickRow(list, 1);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(editors.face); }));

    // Left through the caption's menu while the focus is still in the box.
    TypeIntoFace(list, 1, "(^-^)", false);
    ASSERT_TRUE(LeaveByMenu(windows, ShiftingCaptionPoint(picker.Picker()), {'E'}));
    ASSERT_EQ(ComboItems(windows.faceCombo).size(), 3u);
    EXPECT_EQ(ComboItem(windows.faceCombo, 1), "(^-^)");

    // A session's end saves what is being typed; so does quitting.
    ASSERT_TRUE(EnterEditMode(windows));
    TypeIntoFace(list, 2, "!", true);
    SendMessageA(picker.Picker(), WM_ENDSESSION, TRUE, 0);
    const std::string saved = oddTag + "\t" + longFace + "\r\nkeep\t(^-^)\r\nx\t(-_-)";
    EXPECT_TRUE(dir.Read(FaceFile) == saved + "!") << "every byte is kept";
    TypeIntoFace(list, 2, "?", true);
    picker.RequestClose();
    EXPECT_EQ(picker.WaitForExit(), 0);
    EXPECT_TRUE(dir.Read(FaceFile) == saved + "!?");
}

// Rows added at the selection and at the end, several deleted at once, then the duplicate check
// and the sort started in edit mode: blank rows are entries with an empty tag and face.
TEST_F(EditMode, RowsAreAddedAndDeletedAndTheDuplicateCheckAndSortLeaveEditMode)
{
    const std::string list = "b\ty\na\tx\nb\ty\n";
    ASSERT_TRUE(Start({{FaceFile, list}}));
    SetForegroundWindow(picker.Picker());
    ASSERT_TRUE(EnterEditMode(windows));
    HWND rows = windows.editListView;

    PressKey('A');
    ASSERT_TRUE(WaitUntil([&] { return ListView_GetNextItem(rows, -1, LVNI_SELECTED) == 1; }))
        << "typing picks a row by its tag";
    ASSERT_TRUE(ChooseFromMenu(MiddleOf(ListViewCellRect(rows, 1, 1)), {'N'}));
    ASSERT_TRUE(WaitUntil([&] { return ListViewRowCount(rows) == 4; }));
    EXPECT_EQ(RowsOf(rows, 1), (std::vector<std::string>{"y", "", "x", "y"}));
    EXPECT_EQ(ListView_GetNextItem(rows, -1, LVNI_SELECTED), 2) << "the selection moves down";

    ClickRow(rows, 0);
    AddListViewRowToSelection(rows, 2);
    ASSERT_TRUE(WaitUntil([&] { return ListView_GetSelectedCount(rows) == 2; }));
    ASSERT_TRUE(ChooseFromMenu(MiddleOf(ListViewCellRect(rows, 2, 1)), {VK_UP, VK_UP, VK_RETURN}));
    ASSERT_TRUE(WaitUntil([&] { return ListViewRowCount(rows) == 2; }));
    EXPECT_EQ(RowsOf(rows, 0), (std::vector<std::string>{"", "b"}));
    EXPECT_EQ(ListView_GetSelectedCount(rows), 0u) << "no row that stays is selected";

    // Nothing selected: new rows go to the end.
    RECT last = ListViewCellRect(rows, 1, 1);
    POINT below = {last.left + 5, last.bottom + 60};
    for (int added = 1; added <= 2; ++added) {
        ClickAt(below.x, below.y);
        ASSERT_TRUE(WaitUntil([&] { return ListView_GetSelectedCount(rows) == 0; }));
        ASSERT_TRUE(ChooseFromMenu(below, {'N'}));
        ASSERT_TRUE(WaitUntil([&] { return ListViewRowCount(rows) == 2 + added; }));
        if (added == 1) {
            TypeIntoFace(rows, 2, "(E)", false);
        }
    }

    ASSERT_TRUE(LeaveByMenu(windows, ShiftingCaptionPoint(picker.Picker()), {'D'}));
    EXPECT_EQ(ComboItems(windows.faceCombo), (std::vector<std::string>{"", "y", "(E)"}));
    EXPECT_EQ(WindowTitle(picker.Picker()), "Vemplor 登録数[3/3]");
    ASSERT_TRUE(EnterEditMode(windows));
    ASSERT_TRUE(LeaveByMenu(windows, ShiftingCaptionPoint(picker.Picker()), {'S'}));
    EXPECT_EQ(ComboItems(windows.faceCombo), (std::vector<std::string>{"", "(E)", "y"}));
    EXPECT_EQ(dir.Read(FaceFile), list) << "neither command writes the file";

    picker.RequestClose();
    EXPECT_EQ(picker.WaitForExit(), 0);
    EXPECT_EQ(dir.Read(FaceFile), "\t\r\n\t(E)\r\nb\ty");
}

} // namespace
