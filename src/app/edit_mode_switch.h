#pragma once
// Entering and leaving edit mode: the mode, its check mark in the menu, auto-hide held off while
// the table is shown, and the table's rows taken back into the lists.
#include "app/picker_state.h"

// Enters edit mode when it is off, leaves it when it is on.
void ToggleEditMode(PickerState& state);

// Commits an open cell editor, takes the rows back into the lists, refills the picker under the
// current filter and gives the window back its picker layout. Does nothing outside edit mode.
void LeaveEditMode(PickerState& state);

// The first half of leaving, for callers that rework the list and refill the picker themselves:
// commits an open cell editor, takes the rows back and ends edit mode (a no-op outside it) while
// the window keeps its table. The second half lays the picker out again and brings it forward.
void TakeBackEditRows(PickerState& state);
void ShowPickerLayout(const PickerState& state);
