#pragma once

struct PopupHotKey {
    unsigned int modifiers; // MOD_ALT (1), MOD_CONTROL (2), MOD_SHIFT (4)
    unsigned int key;       // virtual-key code
};

// Decodes a stored hotkey: the word a hotkey control reports, virtual key in the low byte and
// its HOTKEYF_ flags in the next. Only the low 16 bits count; HOTKEYF_EXT is ignored.
PopupHotKey DecodePopupHotKey(int storedValue);
