#pragma once
#include <windows.h>

// A choice in one of the combo boxes: an emoticon to paste, or a prepared filter to apply.
void OnChoice(HWND combo);
