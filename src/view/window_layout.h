#pragma once
#include <windows.h>

#include "view/picker_view.h"

enum LayoutMode { LayoutInitial = 0, LayoutModeSwitch = 1, LayoutResize = 2 };

// Sizes the picker and places its controls: a thin bar exactly as tall as the combo row, or,
// in edit mode, a tall window filled by the list. The width is the picker's outer width for
// LayoutInitial (at start-up and after a change of DPI, in either mode), the new client width
// for LayoutResize, and unused for LayoutModeSwitch.
void LayoutWindow(const PickerView& view, int mode, int width, bool editMode, bool filterOn);

// Stretches an opening drop-down list down to the bottom of the work area.
void FitDropDownToWorkArea(const PickerView& view, HWND combo);
