#pragma once
#include <windows.h>

// A choice in one of the combo boxes: an emoticon to copy and paste, or a prepared filter.
void OnChoice(HWND combo);
