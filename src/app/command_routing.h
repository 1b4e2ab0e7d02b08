#pragma once
#include <windows.h>

#include "app/picker_state.h"

// The picker's WM_COMMAND: the exit command and the notifications of its combo boxes, which
// have no ids and are told apart by handle.
LRESULT OnCommand(PickerState& state, WPARAM wParam, LPARAM lParam);
