#pragma once
#include <windows.h>

#include "app/picker_state.h"

// Registers the global hotkey decoded from HotKeys while HotKey is 1. The previous registration
// is always released first, so it may be called any number of times; with HotKey 0 it only
// releases.
void RegisterPopupHotKey(HWND pickerWindow, const SettingsRecord& settings);
void UnregisterPopupHotKey(HWND pickerWindow);

// The hotkey: opens the pop-up of every emoticon at the text caret of the window in front (at
// the mouse cursor where there is none, or PopupAt asks for it), without the picker.
void ShowPopupAtCursor(PickerState& state);
