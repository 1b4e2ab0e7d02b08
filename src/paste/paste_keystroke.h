#pragma once
#include <windows.h>

// Gives the foreground to the paste target, waits the configured time, types the paste
// keystroke and, once the target has taken the keys, takes the foreground back.
void SendPasteKeystroke(HWND pickerWindow);
