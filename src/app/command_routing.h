#pragma once
#include <windows.h>

// The picker's WM_COMMAND: the exit command and the notifications of its combo boxes, which
// have no ids and are told apart by handle.
LRESULT OnCommand(HWND pickerWindow, WPARAM wParam, LPARAM lParam);
