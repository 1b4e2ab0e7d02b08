#pragma once
#include "app/picker_state.h"

// Loads the emoticon file again and makes the picker, the shown lists, the edit list (in edit
// mode) and the title counter agree with it. What the lists held that is not in the file is
// kept aside first. A file that cannot be read whole changes nothing.
void ReloadFaceList(PickerState& state);

// Reloads when someone else changed the emoticon file since the program last read or wrote it,
// or when it could not be read whole before and may be readable now.
void ReloadFaceListIfChangedOutside(PickerState& state);
