#pragma once
#include <windows.h>

// The picker's WM_NOTIFY: tooltip texts and the edit list's notifications.
LRESULT OnNotify(HWND pickerWindow, UINT message, WPARAM wParam, LPARAM lParam);
