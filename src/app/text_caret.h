#pragma once
#include <windows.h>

// The text caret of the window in front, in screen coordinates: the one Windows keeps for the
// window's thread, or else the one its accessibility interface reports, which browsers and many
// editors that draw their own caret give. False when neither tells.
bool FindTextCaret(HWND foreground, RECT& caret);
