#pragma once
// Where the hotkey's pop-up goes on the screen.
#include "app/screen_geometry.h"

struct PopupMetrics {
    ScreenPoint cursor;
    ScreenRect workArea; // of the monitor under the caret, or the cursor when there is none
    long width;          // the picker's emoticon list is as wide
    long fieldHeight;    // the filter field, as tall as the picker's
    long itemHeight;
    long itemCount;
    // The text caret of the window the user types in, when one is known: the pop-up then opens
    // at it and the cursor does not count.
    bool caretKnown;
    ScreenRect caret;
};

struct PopupPlacement {
    ScreenRect field;
    ScreenRect list;
};

// At the cursor, the field opens at the cursor and its list drops down to the bottom of the
// work area. Where that leaves too little room for a useful number of rows, the list opens
// upward instead, just tall enough for every entry.
// At a caret, the field opens just below the caret's line with a short list under it; where
// there is less room below than above, the list and its field sit above the line instead, the
// field next to it, so the line stays in sight.
// Nothing leaves the work area: the field moves left rather than cross the right edge, and up
// rather than cross the bottom.
PopupPlacement PlacePopup(const PopupMetrics& metrics);
