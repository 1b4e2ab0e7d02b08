#pragma once
#include <windows.h>

// Leaves edit mode, saves the list and the window's place, releases everything and destroys
// the window; its WM_DESTROY ends the message loop with exit code 0.
LRESULT ShutDown(HWND pickerWindow);

// Saves what ShutDown saves, for a Windows session that ends without our window being closed.
void SaveForSessionEnd(HWND pickerWindow);
