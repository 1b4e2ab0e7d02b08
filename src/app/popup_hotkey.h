#pragma once
#include <windows.h>

#include "app/picker_state.h"

// Registers the global hotkey decoded from HotKeys while HotKey is 1. The previous registration
// is always released first, so it may be called any number of times; with HotKey 0 it only
// releases.
void RegisterPopupHotKey(HWND pickerWindow, const SettingsRecord& settings);
void UnregisterPopupHotKey(HWND pickerWindow);

// The hotkey: drops a list of every emoticon down at the mouse cursor, without the picker.
void ShowPopupAtCursor(PickerState& state);
