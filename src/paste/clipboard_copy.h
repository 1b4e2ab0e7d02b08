#pragma once
#include <windows.h>

#include <string>

// Puts the characters on the clipboard as CF_UNICODETEXT, converted by widthConversion (the Char
// setting: 0 none, 1 full-width to half-width, 2 half-width to full-width) and followed by a line
// break when asked for; owner opens the clipboard. Where the system's code page is Shift-JIS, the
// entry of a Shift-JIS list goes along as CF_TEXT in its own bytes (converted, when a conversion
// is asked for), so a program that reads ANSI text gets it exactly; otherwise the system makes
// CF_TEXT from the characters, in its own code page. False when the clipboard could not be
// opened or took nothing: it then holds something else.
bool CopyToClipboard(HWND owner, const std::wstring& characters, const std::string* shiftJisBytes,
                     int widthConversion, bool lineBreak);
