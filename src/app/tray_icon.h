#pragma once
#include <windows.h>

#include "app/picker_state.h"

// Adds (NIM_ADD) or deletes (NIM_DELETE) the notification-area icon of the picker. Either may
// be repeated; TrayIconShown says afterwards whether the shell holds the icon.
void SetTrayIcon(HWND pickerWindow, RunModes& modes, DWORD action);

// The tray icon's mouse messages: a left click shows or hides the picker, a right click opens
// the menu.
void OnTrayMessage(PickerState& state, LPARAM mouseMessage);
