#pragma once
#include <windows.h>

// Adds (NIM_ADD) or deletes (NIM_DELETE) the notification-area icon of the picker.
void SetTrayIcon(DWORD action);
// The tray icon's mouse messages: a left click shows or hides the picker, a right click opens
// the menu.
void OnTrayMessage(LPARAM mouseMessage);
