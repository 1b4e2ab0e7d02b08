#pragma once
#include <windows.h>

#include <string>

#include "store/face_store.h"
#include "view/picker_view.h"

// Rebuilds what the picker offers from the lists and the filter text, selects item 0 and counts
// both in the title.
void RefreshPicker(PickerView& view, const FaceLists& lists, bool readingSearch);
// Empties the filter box and shows the whole list with item 0 selected; a picker that shows it
// already is not filled again.
void ShowWholePickerList(PickerView& view, const FaceLists& lists, bool readingSearch);
// What a filter text, as a control shows it, finds by the settings of the picker's filter box:
// the entries of FaceList in list order, with their tags. True when that is every entry:
// FaceList itself is then the result, and the found lists hold nothing of use.
bool FindFaces(SearchKeys& keys, const FaceLists& lists, bool readingSearch,
               const std::wstring& shownFilter, TextList& foundFaces, TextList& foundTags);
// Fills a combo box or a list box of the picker with the texts, in order, replacing what it
// held: at once as far as a dropped list can show, the rest by ContinueComboFills. texts must
// outlive the fill.
void FillCombo(PickerView& view, const FaceLists& lists, HWND combo, const TextList& texts);
// A list box of its own on show, not a combo box's, keeps its redrawing off while its fill runs;
// its window procedure calls this before the list box paints, so that it paints all the same.
void LetFilledListPaint(const PickerView& view, HWND list);
// Hands one slice of a running fill to its combo box; false when no fill is running. Called
// when no input is waiting.
bool ContinueComboFills(PickerView& view, const FaceLists& lists);
// Completes the combo box's running fill as far as item index.
void FillComboThrough(PickerView& view, const FaceLists& lists, HWND combo, LRESULT index);
// Refills FilterCombo's list from the prepared filters; its edit field keeps its text.
void FillFilterCombo(PickerView& view, const FaceLists& lists);
// What FaceCombo offers, as the last refresh filled it: the entries that matched the filter, or
// the whole list.
const TextList& ShownFaces(const PickerView& view, const FaceLists& lists);
// A choice of FaceCombo's item shown: its entry moves to the top of FaceList (with TopMove; under
// a filter the first equal emoticon always moves) and of what is shown, and item 0 is selected.
void MoveShownFaceToTop(PickerView& view, FaceLists& lists, std::size_t shown, bool topMove);
// With topMove, entry index of FaceList moves to the top, and so does its item in FaceCombo,
// which shows the whole list, and item 0 is selected; otherwise nothing changes.
void MoveFaceToTop(PickerView& view, FaceLists& lists, std::size_t index, bool topMove);
