#pragma once
#include <cstddef>
#include <string>

#include "store/face_lists.h"

// Moves entry index of the two parallel lists to position 0; the entries before it move down by
// one and the order of the rest is unchanged.
void MoveEntryToTop(TextList& faces, TextList& tags, std::size_t index);

// Position of the first face equal to face (compared as the text the list shows, up to its
// first NUL), or -1 when there is none.
long FindFirstEqualFace(const TextList& faces, const std::string& face);
