#pragma once

// Registers the global hotkey decoded from its stored value.
void RegisterPopupHotKey(int storedValue);
// The hotkey: drops a list of every emoticon down at the mouse cursor, without the picker.
void ShowPopupAtCursor();
