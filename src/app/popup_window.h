#pragma once
// The hotkey's pop-up: a filter field over a list of the emoticons it finds, above every other
// window. Typing narrows the list at every keystroke as the picker's
// filter box does; Up and Down move the highlight, Enter or a click chooses, and Escape closes it
// and gives the focus back. Losing the foreground closes it too, choosing nothing.
#include <windows.h>

#include "app/picker_state.h"
#include "app/popup_placement.h"

// Creates the pop-up, hidden; its window reaches the state through its user data.
HWND CreatePopupWindow(PickerState& state);
// Opens the pop-up with its field empty and every emoticon listed, the first highlighted, and
// gives it the keyboard.
void OpenPopup(PickerState& state, const PopupAnchor& anchor, const PopupPlacement& placement);
// The anchor of the open pop-up; null while it is closed.
const PopupAnchor* OpenPopupAnchor(const PickerState& state);
long PopupItemHeight(const PopupState& popup);
