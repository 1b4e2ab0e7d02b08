#pragma once
#include <windows.h>

// The one font of the picker's controls, and the record it was made from.
extern LOGFONTA PickerFontSpec;
extern HFONT PickerFont;

// Builds the font record from FontSize, FontStyle and FontName, creates the font and gives it
// to the six controls.
void CreatePickerFont(HWND pickerWindow, int fontSize, int fontStyle, const char* fontName);
void DeletePickerFont();
