#pragma once
#include <windows.h>

#include "store/face_lists.h"

// Rebuilds what the picker offers from the lists and the filter text, and selects item 0.
void RefreshPicker();
// Refills FaceCombo from the whole list, or, in edit mode, the list view from the entries.
void FillFaceView();
// Fills a combo box with the texts, in order, replacing what it held.
void FillCombo(HWND combo, const TextList& texts);
// Refills FilterCombo's list from the prepared filters; its edit field keeps its text.
void FillFilterCombo();
// Sets the title to the shown and the total number of emoticons.
void UpdateTitleCounter(HWND pickerWindow);
