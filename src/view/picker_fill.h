#pragma once
#include <windows.h>

// Rebuilds what the picker offers from the lists and the filter text, and selects item 0.
void RefreshPicker();
// Refills FaceCombo from the whole list, or, in edit mode, the list view from the entries.
void FillFaceView();
// Refills FilterCombo's list from the prepared filters; its edit field keeps its text.
void FillFilterCombo();
// Sets the title to the shown and the total number of emoticons.
void UpdateTitleCounter(HWND pickerWindow);
