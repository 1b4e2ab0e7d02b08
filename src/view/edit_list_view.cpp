#include "view/edit_list_view.h"

#include "settings/settings_record.h"
#include "store/one_line_entry.h"
#include "view/entry_fitting.h"
#include "view/entry_text.h"
#include "view/edit_rows.h"
#include "view/picker_controls.h"
#include "view/window_text.h"

namespace {

const int NoRow = -1;

// The list view's own window procedure, which the subclass hands everything else to.
WNDPROC OriginalListViewProc;

// The row the editors were opened over, NoRow while they are closed, and the editors' texts as
// they read right after the row's cells went in: a cell whose editor still reads the same is left
// with its own bytes, which the text conversion might not give back exactly.
int OpenedRow = NoRow;
std::wstring OpenedTagText;
std::wstring OpenedFaceText;

// The cell as the list view shows it, cut to at most limit units, never between the two halves
// of a character beyond U+FFFF.
std::wstring ShowableText(const std::string& cell, std::size_t limit)
{
    std::wstring text = ShownEntry(cell);
    if (text.size() > limit) {
        bool splitsPair = limit > 0 && text[limit - 1] >= 0xD800 && text[limit - 1] <= 0xDBFF;
        text.resize(splitsPair ? limit - 1 : limit);
    }
    return text;
}

int FirstSelectedRow()
{
    return static_cast<int>(
        SendMessageW(EditListView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

bool IsRow(int row)
{
    return row >= 0 && static_cast<std::size_t>(row) < EditRowFaces.size();
}

void CloseRowEditors()
{
    OpenedRow = NoRow;
    ShowWindow(TagEdit, SW_HIDE);
    ShowWindow(FaceEdit, SW_HIDE);
}

// A committed cell holds what the editor reads, as one line; that text is then the editor's new
// starting point, so typing the old text back is a change too.
void CommitCell(HWND editor, std::wstring& openedText, std::string& cell)
{
    std::wstring text = WindowText(editor);
    if (text != openedText) {
        cell = OneLineEntry(EntryForFaceList(text));
        openedText = std::move(text);
    }
}

// Both cells go into the row the editors were opened over at every commit, and into no other,
// whatever the selection has become meanwhile. Without the filter column the tag cannot be seen
// or typed, so it keeps its text.
void CommitRowEditors()
{
    if (!IsRow(OpenedRow)) {
        return;
    }
    std::size_t index = static_cast<std::size_t>(OpenedRow);
    if (Settings.Filter) {
        CommitCell(TagEdit, OpenedTagText, EditRowTags[index]);
    }
    CommitCell(FaceEdit, OpenedFaceText, EditRowFaces[index]);
    SendMessageW(EditListView, LVM_REDRAWITEMS, index, index);
}

RECT SubItemRect(int row, int column, int part)
{
    RECT rect = {};
    rect.top = column;
    rect.left = part;
    SendMessageW(EditListView, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

void FillEditor(HWND editor, const std::string& cell, std::wstring& shownText)
{
    SendMessageW(editor, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextW(editor, ShownEntry(cell).c_str());
    shownText = WindowText(editor);
}

std::vector<std::size_t> SelectedRows()
{
    std::vector<std::size_t> rows;
    for (int row = FirstSelectedRow(); IsRow(row);
         row = static_cast<int>(SendMessageW(EditListView, LVM_GETNEXTITEM, row, LVNI_SELECTED))) {
        rows.push_back(static_cast<std::size_t>(row));
    }
    return rows;
}

void SetRowState(int row, UINT state, UINT mask)
{
    LVITEMW item = {};
    item.stateMask = mask;
    item.state = state;
    SendMessageW(EditListView, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
}

// Clearing the states of all rows, Wine's list view invalidates each row that changes as it goes,
// a request to the wineserver each: with 100,000 rows selected that took seconds. Held from
// drawing, the clearing is one quick pass; ShowEditRows then draws the rows once.
void ClearRowStates()
{
    SendMessageW(EditListView, WM_SETREDRAW, FALSE, 0);
    SetRowState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    SendMessageW(EditListView, WM_SETREDRAW, TRUE, 0);
}

LRESULT OnEditorCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    HWND sender = reinterpret_cast<HWND>(lParam);
    if (HIWORD(wParam) != EN_KILLFOCUS) {
        return CallWindowProcW(OriginalListViewProc, window, WM_COMMAND, wParam, lParam);
    }
    if (sender == TagEdit || sender == FaceEdit) {
        CommitRowEditors();
    }
    return 0;
}

} // namespace

LRESULT CALLBACK EditListViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: return OnEditorCommand(window, wParam, lParam);
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
    case WM_SIZE: CommitAndCloseRowEditors(); break;
    }
    return CallWindowProcW(OriginalListViewProc, window, message, wParam, lParam);
}

void SubclassEditListView()
{
    OriginalListViewProc =
        reinterpret_cast<WNDPROC>(GetWindowLongPtrW(EditListView, GWLP_WNDPROC));
    SetWindowLongPtrW(EditListView, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditListViewProc));
}

void ShowEditRows()
{
    CloseRowEditors();
    ClearRowStates();
    SendMessageW(EditListView, LVM_SETITEMCOUNT, EditRowFaces.size(), LVSICF_NOSCROLL);
    InvalidateRect(EditListView, nullptr, TRUE);
}

// Whatever closes the editors, what they hold goes into the row they were opened over, even when
// the selection has already moved on.
void CommitAndCloseRowEditors()
{
    if (OpenedRow != NoRow) {
        CommitRowEditors();
        CloseRowEditors();
    }
}

void OpenRowEditors(const NMITEMACTIVATE& activation)
{
    int row = activation.iItem;
    if (activation.hdr.hwndFrom != EditListView || !IsRow(row)) {
        return;
    }
    RECT wholeRow = SubItemRect(row, 0, LVIR_BOUNDS);
    RECT faceCell = SubItemRect(row, 1, LVIR_BOUNDS);
    std::size_t index = static_cast<std::size_t>(row);
    OpenedRow = NoRow;
    FillEditor(TagEdit, EditRowTags[index], OpenedTagText);
    FillEditor(FaceEdit, EditRowFaces[index], OpenedFaceText);
    OpenedRow = row;
    int height = wholeRow.bottom - wholeRow.top;
    int faceWidth = faceCell.right - faceCell.left;
    SetWindowPos(TagEdit, nullptr, 0, wholeRow.top, (wholeRow.right - wholeRow.left) - faceWidth,
                 height, SWP_NOZORDER | SWP_SHOWWINDOW);
    SetWindowPos(FaceEdit, nullptr, faceCell.left, wholeRow.top, faceWidth, height,
                 SWP_NOZORDER | SWP_SHOWWINDOW);
}

void AnswerEditRowText(NMLVDISPINFOW& request)
{
    LVITEMW& item = request.item;
    if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0) {
        return;
    }
    if (!IsRow(item.iItem)) {
        item.pszText[0] = L'\0';
        return;
    }
    std::size_t row = static_cast<std::size_t>(item.iItem);
    const std::string& cell = item.iSubItem == 0 ? EditRowTags[row] : EditRowFaces[row];
    std::wstring shown = ShowableText(cell, static_cast<std::size_t>(item.cchTextMax) - 1);
    shown.copy(item.pszText, shown.size());
    item.pszText[shown.size()] = L'\0';
}

namespace {

// The next row from start whose tag begins with typed (whole when not partial), ignoring case;
// -1 when there is none.
int FindRowByTag(const std::wstring& typed, UINT flags, int start)
{
    std::size_t count = EditRowTags.size();
    if ((flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || count == 0) {
        return -1;
    }
    std::size_t first = IsRow(start) ? static_cast<std::size_t>(start) : 0;
    std::size_t steps = (flags & LVFI_WRAP) != 0 ? count : count - first;
    for (std::size_t step = 0; step < steps; ++step) {
        std::size_t row = (first + step) % count;
        std::wstring tag = ShownEntry(EditRowTags[row]);
        bool fits = (flags & LVFI_PARTIAL) != 0 ? tag.size() >= typed.size()
                                                 : tag.size() == typed.size();
        if (fits && CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, tag.data(),
                                   static_cast<int>(typed.size()), typed.data(),
                                   static_cast<int>(typed.size())) == CSTR_EQUAL) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

} // namespace

// Typing in the list jumps to a row by its tag, as in a list holding its own texts.
int FindEditRow(const NMLVFINDITEMW& request)
{
    const wchar_t* typed = request.lvfi.psz;
    return typed != nullptr ? FindRowByTag(typed, request.lvfi.flags, request.iStart) : -1;
}

// The rows after the new one move down, and the selection with them.
void InsertEditRow()
{
    CommitAndCloseRowEditors();
    std::vector<std::size_t> selected = SelectedRows();
    std::size_t at = selected.empty() ? EditRowFaces.size() : selected.front();
    InsertBlankEntry(EditRowFaces, EditRowTags, at);
    ShowEditRows();
    for (std::size_t row : selected) {
        SetRowState(static_cast<int>(row + 1), LVIS_SELECTED, LVIS_SELECTED);
    }
}

// Every selected row goes, in one pass over the rows however they are spread.
void DeleteSelectedEditRows()
{
    CommitAndCloseRowEditors();
    std::vector<std::size_t> selected = SelectedRows();
    if (selected.empty()) {
        return;
    }
    DeleteEntries(EditRowFaces, EditRowTags, selected);
    ShowEditRows();
}
