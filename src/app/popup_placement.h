#pragma once
// Where the hotkey's pop-up list goes on the screen.
#include "app/screen_geometry.h"

struct PopupMetrics {
    ScreenPoint cursor;
    ScreenRect workArea; // of the monitor under the cursor
    long width;          // the picker's emoticon list is as wide
    long fieldHeight;    // the combo box while its list is closed
    long itemHeight;
    long itemCount;
};

struct PopupPlacement {
    ScreenRect field;
    ScreenRect list;
};

// The field opens at the cursor and its list drops down to the bottom of the work area. Where
// that leaves too little room for a useful number of rows, the list opens upward instead, just
// tall enough for every entry. Nothing leaves the work area: the field moves left rather than
// cross the right edge, and up rather than cross the bottom.
PopupPlacement PlacePopup(const PopupMetrics& metrics);
