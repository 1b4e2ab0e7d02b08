#pragma once
#include <windows.h>

// Creates the hidden 32 x 32 icon that stands in for the picker while auto-hide keeps it away.
HWND CreateIconWindow(HWND pickerWindow);
