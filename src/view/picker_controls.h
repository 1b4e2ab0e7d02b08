#pragma once
// The picker's child controls. They have no control ids: notifications are told apart by handle.
#include <windows.h>

extern HWND FaceCombo;
extern HWND FilterCombo;
// The hotkey's pop-up, a top-level window of its own: a filter field over a list.
extern HWND PopupCombo;
extern HWND EditListView;
extern HWND TagEdit;
extern HWND FaceEdit;

// Creates the five controls hidden or zero-sized (the layout places them) and gives the list view
// its two columns.
void CreatePickerControls(HWND pickerWindow);
