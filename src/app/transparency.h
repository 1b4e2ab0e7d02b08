#pragma once
#include <windows.h>

// Decides whether the system can draw the picker translucent and, if so, makes it layered.
void CheckTransparencySupport(HWND pickerWindow);
// Looks the layered-window entry point up at run time and gives the picker the layered style.
void EnableLayering(HWND pickerWindow);
// Puts Transparent and Alpha into effect; does nothing where transparency is unavailable.
void ApplyTransparency();
