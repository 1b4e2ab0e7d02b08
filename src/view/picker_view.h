#pragma once
// The picker's window, its controls and what they show: the view's state, owned with the rest of
// the program's and handed to each view function.
#include <windows.h>

#include <string>

#include "store/face_lists.h"
#include "view/fill_slices.h"
#include "view/search_keys.h"

struct PickerView {
    HWND PickerWindow;
    // The child controls. They have no control ids: notifications are told apart by handle.
    HWND FaceCombo;
    HWND FilterCombo;
    // The hotkey's pop-up, a top-level window of its own: a filter field over a list.
    HWND PopupCombo;
    HWND EditListView;
    HWND TagEdit;
    HWND FaceEdit;
    // The one font of the controls, and the record it was made from.
    HFONT PickerFont;
    LOGFONTW PickerFontSpec;
    // What the last refresh gave FaceCombo: the entries matching the filter (with their tags)
    // while ShownCopied; otherwise, with these lists empty, the whole list itself, when there is
    // no filter or it matched every entry (a copy of the whole list would only double the
    // memory).
    bool FaceComboFiltered;
    bool ShownCopied;
    TextList ShownFaceList;
    TextList ShownTagList;
    // The fills still running, oldest first.
    PendingFills RunningFills;
    SearchKeys searchKeys;
    // Edit mode's working copy of the lists: row r shows EditRowTags[r] and EditRowFaces[r].
    TextList EditRowFaces;
    TextList EditRowTags;
    // The row the in-place editors were opened over (-1 while they are closed) and their texts as
    // they read right after the row's cells went in: a cell whose editor still reads the same is
    // left with its own bytes, which the text conversion might not give back exactly.
    int OpenedRow = -1;
    std::wstring OpenedTagText;
    std::wstring OpenedFaceText;
};
