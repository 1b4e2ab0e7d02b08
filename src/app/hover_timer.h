#pragma once
#include <windows.h>

#include "app/picker_state.h"

// Starts (on) or stops (off) the 100 ms tick behind auto-hide, paste-target tracking and
// auto-pulldown: a timer of the picker window, so the tick runs on the window's own thread.
void SetHoverTimer(HWND pickerWindow, bool on);

// WM_TIMER: one tick observes the windows and acts on what it decides.
void OnHoverTick(PickerState& state, UINT_PTR timerId);

// The desktop, the taskbar or its notification area: never a place to paste into.
bool IsShellWindow(HWND window);
