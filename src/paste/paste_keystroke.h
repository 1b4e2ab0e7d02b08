#pragma once
#include <windows.h>

// Gives the foreground to target, waits pasteTimeMs (held to its range), types the keys of
// pasteKey and, once the target has taken them, gives the foreground to returnTo.
void PasteInto(HWND target, HWND returnTo, int pasteTimeMs, int pasteKey);
