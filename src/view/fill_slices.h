#pragma once
// Long lists reach the list controls a slice at a time: the rows the user can see at once go in
// before the control is shown again, the rest between the user's input. Window-free: a control
// is only a key here.
#include <cstddef>
#include <vector>

#include "store/face_lists.h"

// A list on its way into a control, which holds source[0, handed) in order. The source is one of
// the program's lists; a change to it that the control does not follow starts a new fill.
struct PendingFill {
    void* control;
    const TextList* source;
    std::size_t handed;
};

using PendingFills = std::vector<PendingFill>;

// How many of total rows a list dropped down on a screen screenHeight pixels tall can show at
// once, a row cut by the edge included; every row when the item height is not known.
std::size_t RowsOnScreen(long screenHeight, long itemHeight, std::size_t total);

// Notes that control holds the first handed items of source. A fill of the control still
// running is given up; a control that holds its whole list has no fill.
void NoteHanded(PendingFills& fills, void* control, const TextList& source,
                std::size_t handed);

// The fill running for control, or null.
const PendingFill* FillOf(const PendingFills& fills, void* control);

// Where handing over must reach so that the control holds item index: index + 1, or less when
// it is already there or the list is shorter.
std::size_t EndThrough(const PendingFill& fill, std::size_t index);
