#pragma once
#include <windows.h>
#include <commctrl.h>

// Creates the balloon tooltip of the two combo boxes; its texts are asked for at each showing.
void CreatePickerToolTips(HWND pickerWindow);

// Answers a tooltip's request for its text: the emoticon list, or the filter box and its edit
// field. Nothing is answered while the user has tooltips switched off.
void AnswerToolTipText(NMTTDISPINFOW& request);
