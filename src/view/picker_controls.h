#pragma once
#include "view/picker_view.h"

// Creates the picker window's five controls hidden or zero-sized (the layout places them) and
// gives the list view its two columns.
void CreatePickerControls(PickerView& view);
