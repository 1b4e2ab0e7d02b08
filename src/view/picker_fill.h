#pragma once
#include <windows.h>

#include <string>

#include "store/face_lists.h"

// Rebuilds what the picker offers from the lists and the filter text, and selects item 0.
void RefreshPicker();
// Refills FaceCombo from the whole list, or, in edit mode, the list view from the entries.
void FillFaceView();
// Fills a combo box with the texts, in order, replacing what it held: at once as far as a
// dropped list can show, the rest by ContinueComboFills. texts must outlive the fill.
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
// What FaceCombo offers: the filtered entries while a filter text is set, else the whole list.
const TextList& ShownFaces();
// Sets the title to the shown and the total number of emoticons.
void UpdateTitleCounter(HWND pickerWindow);
