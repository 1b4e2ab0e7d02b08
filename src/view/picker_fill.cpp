#include "view/picker_fill.h"

#include "store/face_store.h"
#include "store/move_to_top.h"
#include "view/entry_text.h"
#include "view/face_filter.h"
#include "view/fill_slices.h"
#include "view/search_keys.h"
#include "view/window_text.h"

namespace {

// How long one slice of a fill may last when nothing else is waiting. A list on show redraws its
// scroll bar as the slice ends (a combo box's as each one does, a list box of its own as the
// last one does), which takes about 4 ms more under Wine, so its slices are shorter.
const LONGLONG HiddenSliceBudgetMs = 5;
const LONGLONG ShownSliceBudgetMs = 2;
// Items handed over between two looks at the clock and the message queue.
const std::size_t ItemsPerLook = 64;

// The list box that holds a control's items: a combo box's own, or the control itself.
HWND ItemListOf(HWND control)
{
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(control, &info) && info.hwndList != nullptr ? info.hwndList : control;
}

// Whether input, or a message from another window or program, waits for the picker.
bool SomethingWaits()
{
    return HIWORD(GetQueueStatus(QS_INPUT | QS_SENDMESSAGE | QS_POSTMESSAGE | QS_HOTKEY)) != 0;
}

// The moment a slice of items starting now has used up its time, in performance-counter counts.
LONGLONG SliceDeadline(bool shown)
{
    LARGE_INTEGER now = {};
    LARGE_INTEGER frequency = {};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    LONGLONG budgetMs = shown ? ShownSliceBudgetMs : HiddenSliceBudgetMs;
    return now.QuadPart + frequency.QuadPart * budgetMs / 1000;
}

bool PastDeadline(LONGLONG deadline)
{
    LARGE_INTEGER now = {};
    QueryPerformanceCounter(&now);
    return now.QuadPart >= deadline;
}

// Appends texts[from, to) to the combo box's items, its caller holding their redrawing off; a
// slice stops early when its time is up or something waits for the picker. Returns where it
// stopped. The items go straight to the combo box's list box, which holds them, sparing the
// combo box's relay for each of up to a million. The rows on show are never among them but for
// the first slice, whose caller repaints.
std::size_t AddItems(HWND combo, const TextList& texts, TextEncoding encoding, std::size_t from,
                     std::size_t to, bool slice)
{
    HWND items = ItemListOf(combo);
    std::wstring text;
    LONGLONG deadline = SliceDeadline(IsWindowVisible(items) != FALSE);
    std::size_t next = from;
    while (next < to) {
        ShowEntryInto(texts[next], encoding, text);
        SendMessageW(items, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        ++next;
        if (slice && (next - from) % ItemsPerLook == 0 &&
            (PastDeadline(deadline) || SomethingWaits())) {
            break;
        }
    }
    return next;
}

// Whether a fill keeps the control's redrawing off between its slices: a list box of its own on
// show does, rather than a combo box's. It redraws its scroll bar each time its redrawing comes
// back on, which takes about 4 ms under Wine, so that is left to the end of the fill and to its
// paints (LetFilledListPaint). A hidden one redraws nothing, and is let be.
bool RedrawHeld(const PickerView& view, HWND control)
{
    return ItemListOf(control) == control && IsWindowVisible(control) &&
           FillOf(view.RunningFills, control) != nullptr;
}

// The filter list's items are in its own file's encoding.
TextEncoding EncodingOf(const PickerView& view, const FaceLists& lists, HWND combo)
{
    return combo == view.FilterCombo ? FilterListEncoding(lists) : FaceListEncoding(lists);
}

// Hands the combo box more of its list, up to end or one slice, and keeps account of it.
void HandOver(PickerView& view, const FaceLists& lists, const PendingFill& fill, std::size_t end,
              bool slice)
{
    HWND combo = static_cast<HWND>(fill.control);
    const TextList& source = *fill.source;
    HWND items = ItemListOf(combo);
    SendMessageW(items, WM_SETREDRAW, FALSE, 0);
    std::size_t reached =
        AddItems(combo, source, EncodingOf(view, lists, combo), fill.handed, end, slice);
    NoteHanded(view.RunningFills, combo, source, reached);
    if (!slice || !RedrawHeld(view, combo)) {
        SendMessageW(items, WM_SETREDRAW, TRUE, 0);
    }
}

// The rows the tallest list dropped down on this desktop shows: they go in at once, so that an
// open list never lacks a row it has room for.
std::size_t RowsShownAtOnce(HWND combo, std::size_t total)
{
    long itemHeight = static_cast<long>(SendMessageW(ItemListOf(combo), LB_GETITEMHEIGHT, 0, 0));
    return RowsOnScreen(GetSystemMetrics(SM_CYVIRTUALSCREEN), itemHeight, total);
}

// One item out, one in, straight in the list box as a fill adds them: a choice moves one entry
// of a list that may hold a hundred thousand.
void MoveComboItemToTop(HWND combo, int index, const std::string& entry, TextEncoding encoding)
{
    std::wstring text = ShownEntry(entry, encoding);
    HWND items = ItemListOf(combo);
    SendMessageW(items, LB_DELETESTRING, index, 0);
    SendMessageW(items, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// While FaceCombo shows FaceList itself under a filter that found every entry, a choice of a
// row whose emoticon an equal one comes before moves that one in FaceList and the chosen row in
// what is shown: what is shown becomes a list of its own, the fill running on from it.
void CopyShownList(PickerView& view, const FaceLists& lists)
{
    view.ShownFaceList = lists.FaceList;
    view.ShownTagList = lists.TagList;
    view.ShownTagList.resize(lists.FaceList.size());
    view.ShownCopied = true;
    const PendingFill* fill = FillOf(view.RunningFills, view.FaceCombo);
    if (fill != nullptr) {
        NoteHanded(view.RunningFills, view.FaceCombo, view.ShownFaceList, fill->handed);
    }
}

// The title counts what is shown and the whole list.
void UpdateTitleCounter(const PickerView& view, const FaceLists& lists)
{
    wchar_t title[64];
    wsprintfW(title, L"Vemplor 登録数[%d/%d]", static_cast<int>(ShownFaces(view, lists).size()),
              static_cast<int>(lists.FaceList.size()));
    SetWindowTextW(view.PickerWindow, title);
}

} // namespace

// Fills a combo box or a list box with the texts, in order: the rows a dropped list can show at
// once now, the rest in slices between the user's input (ContinueComboFills), so that a long
// list neither holds up the keystroke that asked for it nor the next one, which starts a fill of
// its own.
// Storage is reserved up front for the whole list. Emptying the list box rather than the combo
// box leaves the text of FilterCombo's edit field as it is.
void FillCombo(PickerView& view, const FaceLists& lists, HWND combo, const TextList& texts)
{
    HWND items = ItemListOf(combo);
    SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
    SendMessageW(items, WM_SETREDRAW, FALSE, 0);
    SendMessageW(items, LB_RESETCONTENT, 0, 0);
    std::size_t bytes = 0;
    for (const std::string& text : texts) {
        bytes += text.size() + 1;
    }
    SendMessageW(items, LB_INITSTORAGE, texts.size(), bytes);
    std::size_t first = RowsShownAtOnce(combo, texts.size());
    NoteHanded(view.RunningFills, combo, texts,
               AddItems(combo, texts, EncodingOf(view, lists, combo), 0, first, false));
    if (!RedrawHeld(view, combo)) {
        SendMessageW(items, WM_SETREDRAW, TRUE, 0);
        SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
    }
    InvalidateRect(combo, nullptr, TRUE);
}

void LetFilledListPaint(const PickerView& view, HWND list)
{
    if (RedrawHeld(view, list)) {
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    }
}

bool ContinueComboFills(PickerView& view, const FaceLists& lists)
{
    if (view.RunningFills.empty()) {
        return false;
    }
    const PendingFill fill = view.RunningFills.front();
    if (!IsWindow(static_cast<HWND>(fill.control))) {
        view.RunningFills.erase(view.RunningFills.begin());
        return true;
    }
    HandOver(view, lists, fill, fill.source->size(), true);
    return true;
}

void FillComboThrough(PickerView& view, const FaceLists& lists, HWND combo, LRESULT index)
{
    const PendingFill* fill = FillOf(view.RunningFills, combo);
    if (fill != nullptr && index >= 0) {
        HandOver(view, lists, *fill, EndThrough(*fill, static_cast<std::size_t>(index)), false);
    }
}

void FillFilterCombo(PickerView& view, const FaceLists& lists)
{
    FillCombo(view, lists, view.FilterCombo, lists.FilterList);
}

bool FindFaces(SearchKeys& keys, const FaceLists& lists, bool readingSearch,
               const std::wstring& shownFilter, TextList& foundFaces, TextList& foundTags)
{
    const TextEncoding encoding = FaceListEncoding(lists);
    std::string filter = EntryFromShown(shownFilter, encoding);
    if (filter.empty()) {
        return true;
    }
    if (readingSearch) {
        return FilterByReading(keys, lists, shownFilter, foundFaces, foundTags);
    }
    if (!FitsFaceList(shownFilter, encoding)) {
        // No entry of the list can hold what Shift-JIS cannot; by reading, though, ゔ finds ヴ.
        foundFaces.clear();
        foundTags.clear();
        return false;
    }
    FilterFaces(lists.FaceList, lists.TagList, filter.c_str(), encoding, foundFaces, foundTags);
    return false;
}

void RefreshPicker(PickerView& view, const FaceLists& lists, bool readingSearch)
{
    std::wstring shownFilter = WindowText(view.FilterCombo);
    view.FaceComboFiltered = !EntryFromShown(shownFilter, FaceListEncoding(lists)).empty();
    view.ShownCopied = !FindFaces(view.searchKeys, lists, readingSearch, shownFilter,
                                  view.ShownFaceList, view.ShownTagList);
    if (!view.ShownCopied) {
        TextList().swap(view.ShownFaceList);
        TextList().swap(view.ShownTagList);
    }
    FillCombo(view, lists, view.FaceCombo, ShownFaces(view, lists));
    SendMessageW(view.FaceCombo, CB_SETCURSEL, 0, 0);
    UpdateTitleCounter(view, lists);
}

void ShowWholePickerList(PickerView& view, const FaceLists& lists, bool readingSearch)
{
    if (!view.FaceComboFiltered && WindowText(view.FilterCombo).empty()) {
        SendMessageW(view.FaceCombo, CB_SETCURSEL, 0, 0);
        return;
    }
    SetWindowTextW(view.FilterCombo, L"");
    RefreshPicker(view, lists, readingSearch);
}

const TextList& ShownFaces(const PickerView& view, const FaceLists& lists)
{
    return view.ShownCopied ? view.ShownFaceList : lists.FaceList;
}

// Under a filter the row moves to the top of what is shown, and the first equal emoticon of the
// whole list moves with its own tag, whatever TopMove says.
void MoveShownFaceToTop(PickerView& view, FaceLists& lists, std::size_t shown, bool topMove)
{
    if (!view.FaceComboFiltered) {
        MoveFaceToTop(view, lists, shown, topMove);
        return;
    }
    if (shown >= ShownFaces(view, lists).size()) {
        return;
    }
    long index = FindFirstEqualFace(lists.FaceList, ShownFaces(view, lists)[shown]);
    if (index >= 0 && !view.ShownCopied && static_cast<std::size_t>(index) != shown) {
        CopyShownList(view, lists);
    }
    if (index >= 0) {
        MoveEntryToTop(lists.FaceList, lists.TagList, static_cast<std::size_t>(index));
        MoveSearchKeyToTop(view.searchKeys, lists, static_cast<std::size_t>(index));
        if (view.ShownCopied) {
            MoveEntryToTop(view.ShownFaceList, view.ShownTagList, shown);
        }
        MoveComboItemToTop(view.FaceCombo, static_cast<int>(shown),
                           ShownFaces(view, lists)[0], FaceListEncoding(lists));
    }
    SendMessageW(view.FaceCombo, CB_SETCURSEL, 0, 0);
}

void MoveFaceToTop(PickerView& view, FaceLists& lists, std::size_t index, bool topMove)
{
    if (!topMove || index >= lists.FaceList.size()) {
        return;
    }
    MoveEntryToTop(lists.FaceList, lists.TagList, index);
    MoveSearchKeyToTop(view.searchKeys, lists, index);
    MoveComboItemToTop(view.FaceCombo, static_cast<int>(index), lists.FaceList[0],
                       FaceListEncoding(lists));
    SendMessageW(view.FaceCombo, CB_SETCURSEL, 0, 0);
}
