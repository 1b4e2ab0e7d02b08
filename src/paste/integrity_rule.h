#pragma once
// Whether the paste keystroke can reach its target. Windows drops input that a process sends to
// one running at a higher integrity level (a program run as administrator), without a word.

// The relative identifier of a process's mandatory integrity label: 0x1000 low, 0x2000 medium,
// 0x3000 high (administrator), 0x4000 system. Where Windows has no such levels, or does not tell,
// both sides are given the same value.
using IntegrityLevel = unsigned long;

enum class PasteRoute {
    Keystroke,     // the face is on the clipboard and the paste key is typed into the target
    ClipboardOnly, // the key would be dropped: the face is on the clipboard for the user to paste
};

PasteRoute DecidePasteRoute(IntegrityLevel picker, IntegrityLevel target);
