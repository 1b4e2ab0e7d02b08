#pragma once
#include <windows.h>

// Shows the picker's menu at the cursor and runs the command chosen from it.
void ShowContextMenu(HWND pickerWindow);
