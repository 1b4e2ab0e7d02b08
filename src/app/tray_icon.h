#pragma once
#include <windows.h>

// Adds (NIM_ADD) or deletes (NIM_DELETE) the notification-area icon of the picker. Either may
// be repeated; TrayIconShown says afterwards whether the shell holds the icon.
void SetTrayIcon(DWORD action);
// The tray icon's mouse messages: a left click shows or hides the picker, a right click opens
// the menu.
void OnTrayMessage(LPARAM mouseMessage);
