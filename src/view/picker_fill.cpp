#include "view/picker_fill.h"

#include "settings/settings_record.h"
#include "shell/multimedia_timer.h"
#include "shell/process_state.h"
#include "store/face_lists.h"
#include "store/face_store.h"
#include "store/move_to_top.h"
#include "view/entry_text.h"
#include "view/face_filter.h"
#include "view/fill_slices.h"
#include "view/picker_controls.h"
#include "view/search_keys.h"
#include "view/window_text.h"

namespace {

// How long one slice of a fill may last when nothing else is waiting.
const DWORD SliceBudgetMs = 5;
// Items handed over between two looks at the clock and the message queue.
const std::size_t ItemsPerLook = 64;

// The fills still running, oldest first.
PendingFills RunningFills;

// What the last refresh gave FaceCombo: the entries matching the filter (with their tags) while
// ShownCopied; otherwise, with these lists empty, the whole list itself, when there is no filter
// or it matched every entry (a copy of the whole list would only double the memory).
bool FaceComboFiltered;
bool ShownCopied;
TextList ShownFaceList;
TextList ShownTagList;

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

// Appends texts[from, to) to the combo box's items; a slice stops early when its time is up or
// something waits for the picker. Returns where it stopped. The items go straight to the combo
// box's list box, which holds them, sparing the combo box's relay for each of up to a million.
// Redrawing is held off meanwhile; the rows on show are never among them but for the first
// slice, whose caller repaints.
std::size_t AddItems(HWND combo, const TextList& texts, std::size_t from, std::size_t to,
                     bool slice)
{
    HWND items = ItemListOf(combo);
    void (*show)(const std::string&, std::wstring&) =
        combo == FilterCombo ? ShowFilterInto : ShowEntryInto;
    std::wstring text;
    DWORD start = MultimediaTime();
    SendMessageW(items, WM_SETREDRAW, FALSE, 0);
    std::size_t next = from;
    while (next < to) {
        show(texts[next], text);
        SendMessageW(items, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        ++next;
        if (slice && (next - from) % ItemsPerLook == 0 &&
            (MultimediaTime() - start >= SliceBudgetMs || SomethingWaits())) {
            break;
        }
    }
    SendMessageW(items, WM_SETREDRAW, TRUE, 0);
    return next;
}

// Hands the combo box more of its list, up to end or one slice, and keeps account of it.
void HandOver(const PendingFill& fill, std::size_t end, bool slice)
{
    HWND combo = static_cast<HWND>(fill.control);
    const TextList& source = *fill.source;
    std::size_t reached = AddItems(combo, source, fill.handed, end, slice);
    NoteHanded(RunningFills, combo, source, reached);
}

// The rows the tallest list dropped down on this desktop shows: they go in at once, so that an
// open list never lacks a row it has room for.
std::size_t RowsShownAtOnce(HWND combo, std::size_t total)
{
    long itemHeight = static_cast<long>(SendMessageW(ItemListOf(combo), LB_GETITEMHEIGHT, 0, 0));
    return RowsOnScreen(GetSystemMetrics(SM_CYVIRTUALSCREEN), itemHeight, total);
}

// While FaceCombo shows FaceList itself under a filter that found every entry, a choice of a
// row whose emoticon an equal one comes before moves that one in FaceList and the chosen row in
// what is shown: what is shown becomes a list of its own, the fill running on from it.
void CopyShownList()
{
    ShownFaceList = FaceList;
    ShownTagList = TagList;
    ShownTagList.resize(FaceList.size());
    ShownCopied = true;
    const PendingFill* fill = FillOf(RunningFills, FaceCombo);
    if (fill != nullptr) {
        NoteHanded(RunningFills, FaceCombo, ShownFaceList, fill->handed);
    }
}

// The title counts what is shown and the whole list.
void UpdateTitleCounter()
{
    wchar_t title[64];
    wsprintfW(title, L"Vemplor 登録数[%d/%d]", static_cast<int>(ShownFaces().size()),
              static_cast<int>(FaceList.size()));
    SetWindowTextW(PickerWindow, title);
}

} // namespace

// Fills a combo box or a list box with the texts, in order: the rows a dropped list can show at
// once now, the rest in slices between the user's input (ContinueComboFills), so that a long
// list neither holds up the keystroke that asked for it nor the next one, which starts a fill of
// its own.
// Storage is reserved up front for the whole list. Emptying the list box rather than the combo
// box leaves the text of FilterCombo's edit field as it is.
void FillCombo(HWND combo, const TextList& texts)
{
    HWND items = ItemListOf(combo);
    SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
    SendMessageW(items, LB_RESETCONTENT, 0, 0);
    std::size_t bytes = 0;
    for (const std::string& text : texts) {
        bytes += text.size() + 1;
    }
    SendMessageW(items, LB_INITSTORAGE, texts.size(), bytes);
    std::size_t first = RowsShownAtOnce(combo, texts.size());
    NoteHanded(RunningFills, combo, texts, AddItems(combo, texts, 0, first, false));
    SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(combo, nullptr, TRUE);
}

bool ContinueComboFills()
{
    if (RunningFills.empty()) {
        return false;
    }
    const PendingFill fill = RunningFills.front();
    if (!IsWindow(static_cast<HWND>(fill.control))) {
        RunningFills.erase(RunningFills.begin());
        return true;
    }
    HandOver(fill, fill.source->size(), true);
    return true;
}

void FillComboThrough(HWND combo, LRESULT index)
{
    const PendingFill* fill = FillOf(RunningFills, combo);
    if (fill != nullptr && index >= 0) {
        HandOver(*fill, EndThrough(*fill, static_cast<std::size_t>(index)), false);
    }
}

// One item out, one in, straight in the list box as a fill adds them: a choice moves one entry
// of a list that may hold a hundred thousand.
void MoveComboItemToTop(HWND combo, int index, const std::string& entry)
{
    std::wstring text = ShownEntry(entry);
    HWND items = ItemListOf(combo);
    SendMessageW(items, LB_DELETESTRING, index, 0);
    SendMessageW(items, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void FillFilterCombo()
{
    FillCombo(FilterCombo, FilterList);
}

bool FindFaces(const std::wstring& shownFilter, TextList& foundFaces, TextList& foundTags)
{
    std::string filter = EntryFromShown(shownFilter);
    if (filter.empty()) {
        return true;
    }
    if (Settings.ReadingSearch) {
        return FilterByReading(shownFilter, foundFaces, foundTags);
    }
    if (!FitsFaceList(shownFilter)) {
        // No entry of the list can hold what Shift-JIS cannot; by reading, though, ゔ finds ヴ.
        foundFaces.clear();
        foundTags.clear();
        return false;
    }
    FilterFaces(FaceList, TagList, filter.c_str(), FaceListEncoding(), foundFaces, foundTags);
    return false;
}

void RefreshPicker()
{
    std::wstring shownFilter = WindowText(FilterCombo);
    FaceComboFiltered = !EntryFromShown(shownFilter).empty();
    ShownCopied = !FindFaces(shownFilter, ShownFaceList, ShownTagList);
    if (!ShownCopied) {
        TextList().swap(ShownFaceList);
        TextList().swap(ShownTagList);
    }
    FillCombo(FaceCombo, ShownFaces());
    SendMessageW(FaceCombo, CB_SETCURSEL, 0, 0);
    UpdateTitleCounter();
}

const TextList& ShownFaces()
{
    return ShownCopied ? ShownFaceList : FaceList;
}

// Under a filter the row moves to the top of what is shown, and the first equal emoticon of the
// whole list moves with its own tag, whatever TopMove says.
void MoveShownFaceToTop(std::size_t shown, bool topMove)
{
    if (!FaceComboFiltered) {
        MoveFaceToTop(shown, topMove);
        return;
    }
    if (shown >= ShownFaces().size()) {
        return;
    }
    long index = FindFirstEqualFace(FaceList, ShownFaces()[shown]);
    if (index >= 0 && !ShownCopied && static_cast<std::size_t>(index) != shown) {
        CopyShownList();
    }
    if (index >= 0) {
        MoveEntryToTop(FaceList, TagList, static_cast<std::size_t>(index));
        MoveSearchKeyToTop(static_cast<std::size_t>(index));
        if (ShownCopied) {
            MoveEntryToTop(ShownFaceList, ShownTagList, shown);
        }
        MoveComboItemToTop(FaceCombo, static_cast<int>(shown), ShownFaces()[0]);
    }
    SendMessageW(FaceCombo, CB_SETCURSEL, 0, 0);
}

void MoveFaceToTop(std::size_t index, bool topMove)
{
    if (!topMove || index >= FaceList.size()) {
        return;
    }
    MoveEntryToTop(FaceList, TagList, index);
    MoveSearchKeyToTop(index);
    MoveComboItemToTop(FaceCombo, static_cast<int>(index), FaceList[0]);
    SendMessageW(FaceCombo, CB_SETCURSEL, 0, 0);
}
