#pragma once
#include <windows.h>

// Reads every setting from the settings file, in a fixed order, and applies each at once.
void LoadSettings(HWND pickerWindow);
