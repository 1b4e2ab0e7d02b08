#pragma once
#include "app/picker_state.h"

// Puts the settings record into effect on the picker: stacking, tray icon, font, transparency,
// hotkey, filter box and layout (LayoutInitial at start-up, with the picker's stored outer
// width; LayoutModeSwitch afterwards).
// Tooltips, paste and auto-hide read the record when they act (a dialog's guard arms the last
// two again when it closes). Safe to repeat: what a new value
// replaces is released.
void ApplySettings(PickerState& state, int layoutMode, int initialWidth);

// Lays the picker out in its mode and with its filter box as they now stand (see LayoutWindow).
void LayoutPicker(const PickerState& state, int layoutMode, int width);
