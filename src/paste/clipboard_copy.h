#pragma once
#include <windows.h>

#include <string>

// Puts the text on the clipboard as CF_TEXT, converted by widthConversion (the Char setting:
// 0 none, 1 full-width to half-width, 2 half-width to full-width) and followed by a line break
// when asked for; owner opens the clipboard.
void CopyToClipboard(HWND owner, const std::string& text, int widthConversion, bool lineBreak);
