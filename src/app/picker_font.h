#pragma once
#include <windows.h>

// The one font of the picker's controls, and the record it was made from.
extern LOGFONTW PickerFontSpec;
extern HFONT PickerFont;

// Builds the font record from FontSize, FontStyle and FontName of the Settings record at the
// picker's DPI, gives a new font to the six controls and only then deletes the font they had.
void ReplacePickerFont(HWND pickerWindow);
void DeletePickerFont();
