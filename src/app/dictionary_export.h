#pragma once
#include <windows.h>

// "エクスポート": writes the emoticon list as an input method's dictionary, in the format chosen
// in the save dialog, and says what it wrote and which entries it left out.
void RunExportCommand(HWND pickerWindow);
