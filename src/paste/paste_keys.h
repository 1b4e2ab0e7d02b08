#pragma once
#include <vector>

// One synthesised key event: the virtual key and its keybd_event flags (KEYEVENTF_EXTENDEDKEY 1,
// KEYEVENTF_KEYUP 2).
struct PasteKeyEvent {
    unsigned char virtualKey;
    unsigned int flags;
};

// The key events of the paste keystroke the user chose, in order: modifiers pressed before the
// main key and released after it, in reverse order. Unknown choices paste with Ctrl + V.
std::vector<PasteKeyEvent> PasteKeyEvents(int pasteKey);
