#pragma once
#include <windows.h>

#include "app/picker_state.h"

// A choice in one of the combo boxes: an emoticon to copy and paste, or a prepared filter.
void OnChoice(PickerState& state, HWND combo);
