#pragma once
// The hotkey's pop-up: what it was opened for and what it shows.
#include <windows.h>

#include "app/screen_geometry.h"
#include "store/face_lists.h"

// Where the pop-up was opened for: the window a choice pastes into, and the text caret it opened
// at, if any.
struct PopupAnchor {
    HWND target;
    bool caretKnown;
    ScreenRect caret;
};

struct PopupState {
    HWND field;
    HWND list;
    HWND balloon;
    // The field's and the list's own window procedures, which their subclasses hand on to.
    WNDPROC fieldProcedure;
    WNDPROC listProcedure;
    PopupAnchor anchor;
    // What the list shows: FaceList itself while wholeList, else the entries found.
    bool wholeList;
    bool filtered;
    TextList foundFaces;
    TextList foundTags;
    // Emptying the field on opening fills the list once, not twice.
    bool clearingField;
};
