#pragma once
#include "app/picker_state.h"

// Saves the emoticons and opens their file in the user's editor; once the editor has ended, the
// picker shows what the file now holds.
void EditFaceFileExternally(PickerState& state);

// Opens the filter file in the user's editor and reloads the filters once it has ended.
void EditFilterFileExternally(PickerView& view, FaceLists& lists);
