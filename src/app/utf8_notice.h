#pragma once
#include <windows.h>

// Tells the user, once, that the emoticon list is written as UTF-8 from now on and where the
// Shift-JIS file is kept.
void TellFaceListIsUtf8(HWND pickerWindow);
