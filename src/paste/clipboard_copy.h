#pragma once
#include <windows.h>

// Puts the text of the combo box's selected item on the clipboard as CF_TEXT, converted by the
// width setting and followed by a line break when the user asked for one.
void CopyChoiceToClipboard(HWND combo);
