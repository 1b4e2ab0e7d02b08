#pragma once
#include <windows.h>

#include <string>

#include "store/face_lists.h"

// Rebuilds what the picker offers from the lists and the filter text, selects item 0 and counts
// both in the title.
void RefreshPicker();
// What a filter text, as a control shows it, finds by the settings of the picker's filter box:
// the entries of FaceList in list order, with their tags. True when that is every entry:
// FaceList itself is then the result, and the found lists hold nothing of use.
bool FindFaces(const std::wstring& shownFilter, TextList& foundFaces, TextList& foundTags);
// Fills a combo box or a list box with the texts, in order, replacing what it held: at once as
// far as a dropped list can show, the rest by ContinueComboFills. texts must outlive the fill.
void FillCombo(HWND combo, const TextList& texts);
// Hands one slice of a running fill to its combo box; false when no fill is running. Called
// when no input is waiting.
bool ContinueComboFills();
// Moves item index of the combo box to the top, shown as entry, as the lists have just moved it;
// the caller selects.
void MoveComboItemToTop(HWND combo, int index, const std::string& entry);
// Completes the combo box's running fill as far as item index.
void FillComboThrough(HWND combo, LRESULT index);
// Refills FilterCombo's list from the prepared filters; its edit field keeps its text.
void FillFilterCombo();
// What FaceCombo offers, as the last refresh filled it: the entries that matched the filter, or
// the whole list.
const TextList& ShownFaces();
// A choice of FaceCombo's item shown: its entry moves to the top of FaceList (with TopMove; under
// a filter the first equal emoticon always moves) and of what is shown, and item 0 is selected.
void MoveShownFaceToTop(std::size_t shown, bool topMove);
// With topMove, entry index of FaceList moves to the top, and so does its item in FaceCombo,
// which shows the whole list, and item 0 is selected; otherwise nothing changes.
void MoveFaceToTop(std::size_t index, bool topMove);
