#pragma once
#include <windows.h>

// A choice in one of the combo boxes: an emoticon to copy and paste, or a prepared filter.
void OnChoice(HWND combo);

// Moves the entry selected in combo (whose items are FaceList, index for index) to the top of
// the list when TopMove is on, and selects item 0.
void MoveChoiceToTop(HWND combo);

// The move for a choice in FaceCombo, filtered or not.
void MoveShownChoiceToTop();
