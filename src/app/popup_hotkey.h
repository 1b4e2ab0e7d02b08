#pragma once

// Unregisters the global hotkey, then registers the one decoded from its stored value while the
// hotkey is switched on. Safe to call any number of times.
void RegisterPopupHotKey(int storedValue);
// The hotkey: drops a list of every emoticon down at the mouse cursor, without the picker.
void ShowPopupAtCursor();
