#pragma once

// Registers the global hotkey decoded from its stored value while Settings.HotKey is 1. The
// previous registration is always released first, so it may be called any number of times;
// with HotKey 0 it only releases.
void RegisterPopupHotKey(int storedValue);
void UnregisterPopupHotKey();
// The hotkey: drops a list of every emoticon down at the mouse cursor, without the picker.
void ShowPopupAtCursor();
