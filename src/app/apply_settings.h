#pragma once

// Puts the Settings record into effect on the picker: stacking, tray icon, font, transparency,
// hotkey, filter box and layout (LayoutInitial at start-up, with the picker's stored outer
// width; LayoutModeSwitch afterwards).
// Tooltips, paste and auto-hide read the record when they act (a dialog's guard arms the last
// two again when it closes). Safe to repeat: what a new value
// replaces is released.
void ApplySettings(int layoutMode, int initialWidth);
