#include "view/edit_list_view.h"

#include "resource.h"
#include "store/one_line_entry.h"
#include "view/entry_fitting.h"
#include "view/entry_text.h"
#include "view/edit_rows.h"
#include "view/window_text.h"

namespace {

const int NoRow = -1;

// The list view's own window procedure, which the subclass hands everything else to: the one
// value the subclass needs that no window carries.
WNDPROC OriginalListViewProc;

// The cell as the list view shows it, cut to at most limit units, never between the two halves
// of a character beyond U+FFFF.
std::wstring ShowableText(const std::string& cell, TextEncoding encoding, std::size_t limit)
{
    std::wstring text = ShownEntry(cell, encoding);
    if (text.size() > limit) {
        bool splitsPair = limit > 0 && text[limit - 1] >= 0xD800 && text[limit - 1] <= 0xDBFF;
        text.resize(splitsPair ? limit - 1 : limit);
    }
    return text;
}

int FirstSelectedRow(HWND listView)
{
    return static_cast<int>(
        SendMessageW(listView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

bool IsRow(const PickerView& view, int row)
{
    return row >= 0 && static_cast<std::size_t>(row) < view.EditRowFaces.size();
}

void CloseRowEditors(PickerView& view)
{
    view.OpenedRow = NoRow;
    ShowWindow(view.TagEdit, SW_HIDE);
    ShowWindow(view.FaceEdit, SW_HIDE);
}

// A committed cell holds what the editor reads, as one line; that text is then the editor's new
// starting point, so typing the old text back is a change too.
void CommitCell(PickerView& view, FaceLists& lists, bool readingSearch, HWND editor,
                std::wstring& openedText, std::string& cell)
{
    std::wstring text = WindowText(editor);
    if (text != openedText) {
        cell = OneLineEntry(EntryForFaceList(view, lists, readingSearch, text));
        openedText = std::move(text);
    }
}

RECT SubItemRect(HWND listView, int row, int column, int part)
{
    RECT rect = {};
    rect.top = column;
    rect.left = part;
    SendMessageW(listView, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

void FillEditor(HWND editor, const std::string& cell, TextEncoding encoding,
                std::wstring& shownText)
{
    SendMessageW(editor, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextW(editor, ShownEntry(cell, encoding).c_str());
    shownText = WindowText(editor);
}

std::vector<std::size_t> SelectedRows(const PickerView& view)
{
    std::vector<std::size_t> rows;
    HWND listView = view.EditListView;
    for (int row = FirstSelectedRow(listView); IsRow(view, row);
         row = static_cast<int>(SendMessageW(listView, LVM_GETNEXTITEM, row, LVNI_SELECTED))) {
        rows.push_back(static_cast<std::size_t>(row));
    }
    return rows;
}

void SetRowState(HWND listView, int row, UINT state, UINT mask)
{
    LVITEMW item = {};
    item.stateMask = mask;
    item.state = state;
    SendMessageW(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
}

// Clearing the states of all rows, Wine's list view invalidates each row that changes as it goes,
// a request to the wineserver each: with 100,000 rows selected that took seconds. Held from
// drawing, the clearing is one quick pass; ShowEditRows then draws the rows once.
void ClearRowStates(HWND listView)
{
    SendMessageW(listView, WM_SETREDRAW, FALSE, 0);
    SetRowState(listView, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    SendMessageW(listView, WM_SETREDRAW, TRUE, 0);
}

// The editors are the list view's only children that edit, so their notifications arrive here.
LRESULT OnEditorCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) != EN_KILLFOCUS) {
        return CallWindowProcW(OriginalListViewProc, window, WM_COMMAND, wParam, lParam);
    }
    SendMessageW(GetParent(window), WM_ROW_EDITOR_LEFT, 0, 0);
    return 0;
}

LRESULT CALLBACK EditListViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: return OnEditorCommand(window, wParam, lParam);
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
    case WM_SIZE: SendMessageW(GetParent(window), WM_CLOSE_ROW_EDITORS, 0, 0); break;
    }
    return CallWindowProcW(OriginalListViewProc, window, message, wParam, lParam);
}

} // namespace

void SubclassEditListView(const PickerView& view)
{
    OriginalListViewProc =
        reinterpret_cast<WNDPROC>(GetWindowLongPtrW(view.EditListView, GWLP_WNDPROC));
    SetWindowLongPtrW(view.EditListView, GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(EditListViewProc));
}

void ShowEditRows(PickerView& view)
{
    CloseRowEditors(view);
    ClearRowStates(view.EditListView);
    SendMessageW(view.EditListView, LVM_SETITEMCOUNT, view.EditRowFaces.size(), LVSICF_NOSCROLL);
    InvalidateRect(view.EditListView, nullptr, TRUE);
}

// Both cells go into the row the editors were opened over at every commit, and into no other,
// whatever the selection has become meanwhile. Without the filter column the tag cannot be seen
// or typed, so it keeps its text.
void CommitRowEditors(PickerView& view, FaceLists& lists, const SettingsRecord& settings)
{
    if (!IsRow(view, view.OpenedRow)) {
        return;
    }
    std::size_t index = static_cast<std::size_t>(view.OpenedRow);
    bool readingSearch = settings.ReadingSearch != 0;
    if (settings.Filter) {
        CommitCell(view, lists, readingSearch, view.TagEdit, view.OpenedTagText,
                   view.EditRowTags[index]);
    }
    CommitCell(view, lists, readingSearch, view.FaceEdit, view.OpenedFaceText,
               view.EditRowFaces[index]);
    SendMessageW(view.EditListView, LVM_REDRAWITEMS, index, index);
}

// Whatever closes the editors, what they hold goes into the row they were opened over, even when
// the selection has already moved on.
void CommitAndCloseRowEditors(PickerView& view, FaceLists& lists, const SettingsRecord& settings)
{
    if (view.OpenedRow != NoRow) {
        CommitRowEditors(view, lists, settings);
        CloseRowEditors(view);
    }
}

void OpenRowEditors(PickerView& view, const FaceLists& lists, const NMITEMACTIVATE& activation)
{
    int row = activation.iItem;
    HWND listView = view.EditListView;
    if (activation.hdr.hwndFrom != listView || !IsRow(view, row)) {
        return;
    }
    RECT wholeRow = SubItemRect(listView, row, 0, LVIR_BOUNDS);
    RECT faceCell = SubItemRect(listView, row, 1, LVIR_BOUNDS);
    std::size_t index = static_cast<std::size_t>(row);
    view.OpenedRow = NoRow;
    TextEncoding encoding = FaceListEncoding(lists);
    FillEditor(view.TagEdit, view.EditRowTags[index], encoding, view.OpenedTagText);
    FillEditor(view.FaceEdit, view.EditRowFaces[index], encoding, view.OpenedFaceText);
    view.OpenedRow = row;
    int height = wholeRow.bottom - wholeRow.top;
    int faceWidth = faceCell.right - faceCell.left;
    SetWindowPos(view.TagEdit, nullptr, 0, wholeRow.top,
                 (wholeRow.right - wholeRow.left) - faceWidth, height,
                 SWP_NOZORDER | SWP_SHOWWINDOW);
    SetWindowPos(view.FaceEdit, nullptr, faceCell.left, wholeRow.top, faceWidth, height,
                 SWP_NOZORDER | SWP_SHOWWINDOW);
}

void AnswerEditRowText(const PickerView& view, const FaceLists& lists, NMLVDISPINFOW& request)
{
    LVITEMW& item = request.item;
    if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0) {
        return;
    }
    if (!IsRow(view, item.iItem)) {
        item.pszText[0] = L'\0';
        return;
    }
    std::size_t row = static_cast<std::size_t>(item.iItem);
    const std::string& cell = item.iSubItem == 0 ? view.EditRowTags[row] : view.EditRowFaces[row];
    std::wstring shown = ShowableText(cell, FaceListEncoding(lists),
                                      static_cast<std::size_t>(item.cchTextMax) - 1);
    shown.copy(item.pszText, shown.size());
    item.pszText[shown.size()] = L'\0';
}

namespace {

// The next row from start whose tag begins with typed (whole when not partial), ignoring case;
// -1 when there is none.
int FindRowByTag(const PickerView& view, TextEncoding encoding, const std::wstring& typed,
                 UINT flags, int start)
{
    std::size_t count = view.EditRowTags.size();
    if ((flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || count == 0) {
        return -1;
    }
    std::size_t first = IsRow(view, start) ? static_cast<std::size_t>(start) : 0;
    std::size_t steps = (flags & LVFI_WRAP) != 0 ? count : count - first;
    for (std::size_t step = 0; step < steps; ++step) {
        std::size_t row = (first + step) % count;
        std::wstring tag = ShownEntry(view.EditRowTags[row], encoding);
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
int FindEditRow(const PickerView& view, const FaceLists& lists, const NMLVFINDITEMW& request)
{
    const wchar_t* typed = request.lvfi.psz;
    return typed != nullptr ? FindRowByTag(view, FaceListEncoding(lists), typed,
                                           request.lvfi.flags, request.iStart)
                            : -1;
}

// The rows after the new one move down, and the selection with them.
void InsertEditRow(PickerView& view, FaceLists& lists, const SettingsRecord& settings)
{
    CommitAndCloseRowEditors(view, lists, settings);
    std::vector<std::size_t> selected = SelectedRows(view);
    std::size_t at = selected.empty() ? view.EditRowFaces.size() : selected.front();
    InsertBlankEntry(view.EditRowFaces, view.EditRowTags, at);
    ShowEditRows(view);
    for (std::size_t row : selected) {
        SetRowState(view.EditListView, static_cast<int>(row + 1), LVIS_SELECTED, LVIS_SELECTED);
    }
}

// Every selected row goes, in one pass over the rows however they are spread.
void DeleteSelectedEditRows(PickerView& view, FaceLists& lists, const SettingsRecord& settings)
{
    CommitAndCloseRowEditors(view, lists, settings);
    std::vector<std::size_t> selected = SelectedRows(view);
    if (selected.empty()) {
        return;
    }
    DeleteEntries(view.EditRowFaces, view.EditRowTags, selected);
    ShowEditRows(view);
}
