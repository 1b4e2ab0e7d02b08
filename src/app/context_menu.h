#pragma once
#include "app/picker_state.h"

// Shows the picker's menu at the cursor and runs the command chosen from it.
void ShowContextMenu(PickerState& state);
