#pragma once
// Reading the values of Vemplor.ini and turning the font settings into the picker font.

// The integer of a stored value: leading white space skipped, an optional sign, then decimal
// digits up to the first other byte. No digits (or a null text) read as 0; values beyond the
// int range stop at INT_MIN or INT_MAX.
int ParseSettingInt(const char* text);

// Flag tests of stored values, each 1 or 0: on for any non-zero integer, or only for 1.
int SettingOnIfNonZero(const char* text);
int SettingOnIfOne(const char* text);

// number * numerator / denominator with a 64-bit intermediate, rounded half away from zero,
// as Windows' MulDiv: -1 when denominator is 0 or the result lies outside
// -2147483647..2147483647.
int MultiplyDivideRounded(int number, int numerator, int denominator);

// Copies at most 31 bytes of a face name into faceName, whole Shift-JIS characters only, and
// zero-fills the rest. A null source gives an empty name.
void CopyFaceName(char (&faceName)[32], const char* source);

// The fields of the picker's LOGFONTA that the settings decide.
struct PickerFontRecord {
    int height;
    int weight;
    unsigned char italic;
    char faceName[32];
};

// height = -MulDiv(fontSize, dpiY, 72); FontStyle 0 regular, 1 italic, 2 bold, 3 bold italic,
// anything else regular; faceName = fontName cut to at most 31 bytes (never ending in half a
// Shift-JIS character) and zero-filled. A null fontName gives an empty face name.
PickerFontRecord MakePickerFontRecord(int fontSize, int dpiY, int fontStyle,
                                      const char* fontName);
