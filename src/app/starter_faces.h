#pragma once
#include "app/picker_state.h"

// Adds the faces of the starter list the program carries (the release's Vemplor.txt) that the
// emoticon list lacks to its end, with their readings, and tells the user how many.
void AddStarterFaces(PickerState& state);
