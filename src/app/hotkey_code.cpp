#include "app/hotkey_code.h"

namespace {
const unsigned int HotKeyShift = 1;
const unsigned int HotKeyControl = 2;
const unsigned int HotKeyAlt = 4;
const unsigned int ModAlt = 1;
const unsigned int ModControl = 2;
const unsigned int ModShift = 4;
} // namespace

PopupHotKey DecodePopupHotKey(int storedValue)
{
    unsigned int word = static_cast<unsigned int>(storedValue) & 0xFFFF;
    unsigned int flags = word >> 8;
    PopupHotKey hotKey = {0, word & 0xFF};
    if (flags & HotKeyAlt) {
        hotKey.modifiers |= ModAlt;
    }
    if (flags & HotKeyControl) {
        hotKey.modifiers |= ModControl;
    }
    if (flags & HotKeyShift) {
        hotKey.modifiers |= ModShift;
    }
    return hotKey;
}
