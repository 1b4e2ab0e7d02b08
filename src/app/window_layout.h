#pragma once
#include <windows.h>

enum LayoutMode { LayoutInitial = 0, LayoutModeSwitch = 1, LayoutResize = 2 };

// Sizes the picker and places its controls: a thin bar exactly as tall as the combo row, or,
// in edit mode, a tall window filled by the list. The width argument is the new client width,
// used by LayoutResize only.
void LayoutWindow(int mode, int newClientWidth);

// Stretches an opening drop-down list down to the bottom of the work area.
void FitDropDownToWorkArea(HWND combo);
