#pragma once
#include "app/picker_state.h"

// The menu's sort and duplicate check of the whole list. Both leave edit mode first, refuse the
// menu while they run, refill the picker and its title, and write no file.
void SortFaceList(PickerState& state);
void RemoveDuplicateFaces(PickerState& state);
