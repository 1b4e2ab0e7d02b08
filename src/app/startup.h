#pragma once
#include <windows.h>

#include "app/picker_state.h"

// Builds everything the running picker needs, in an order where each step finds what it uses.
void StartUp(PickerState& state, HWND pickerWindow);
