#include "paste/paste_keys.h"

namespace {

const unsigned char KeyShift = 0x10;
const unsigned char KeyControl = 0x11;
const unsigned char KeyAlt = 0x12;
const unsigned char KeyInsert = 0x2D;
const unsigned char KeyV = 0x56;
const unsigned char KeyF9 = 0x78;
const unsigned int Extended = 1;
const unsigned int Up = 2;

struct PasteChord {
    std::vector<unsigned char> modifiers;
    unsigned char key;
};

PasteChord ChordFor(int pasteKey)
{
    switch (pasteKey) {
    case 1: return {{KeyShift}, KeyInsert};
    case 2: return {{}, KeyF9};
    case 3: return {{KeyShift}, KeyF9};
    case 4: return {{KeyShift, KeyAlt}, KeyInsert};
    case 5: return {{KeyAlt}, KeyV};
    default: return {{KeyControl}, KeyV};
    }
}

} // namespace

std::vector<PasteKeyEvent> PasteKeyEvents(int pasteKey)
{
    PasteChord chord = ChordFor(pasteKey);
    unsigned int keyFlags = chord.key == KeyInsert ? Extended : 0;
    std::vector<PasteKeyEvent> events;
    for (unsigned char modifier : chord.modifiers) {
        events.push_back({modifier, 0});
    }
    events.push_back({chord.key, keyFlags});
    events.push_back({chord.key, keyFlags | Up});
    for (auto modifier = chord.modifiers.rbegin(); modifier != chord.modifiers.rend(); ++modifier) {
        events.push_back({*modifier, Up});
    }
    return events;
}
