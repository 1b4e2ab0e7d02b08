#pragma once

// Registers the global hotkey decoded from its stored value while Settings.HotKey is 1. The
// previous registration is always released first, so it may be called any number of times;
// with HotKey 0 it only releases.
void RegisterPopupHotKey(int storedValue);
void UnregisterPopupHotKey();
// The hotkey: opens the pop-up of every emoticon at the text caret of the window in front (at
// the mouse cursor where there is none, or PopupAt asks for it), without the picker.
void ShowPopupAtCursor();
