#pragma once
#include <windows.h>

// Starts (on) or stops (off) the 100 ms timer behind auto-hide, paste-target tracking and
// auto-pulldown. Once it has been stopped no tick runs any more, so the windows may go.
void SetHoverTimer(HWND pickerWindow, bool on);
// The desktop, the taskbar or its notification area: never a place to paste into.
bool IsShellWindow(HWND window);
