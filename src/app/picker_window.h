#pragma once
#include <windows.h>

// The picker window's procedure: one small handler per message.
LRESULT CALLBACK PickerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
