#pragma once

// The longest wait before the paste keystroke: the most the options dialog offers. A larger
// stored value would leave the picker frozen after a choice, long enough to lose the session's
// new order at a logoff.
const int LongestPasteWaitMs = 10000;

// The wait before the paste keystroke for a stored PasteTime, in milliseconds: the value held
// to 0 .. LongestPasteWaitMs.
unsigned int PasteWaitMs(int pasteTime);
