#pragma once
// Adding and deleting rows of edit mode's working copy: plain list operations, so that the
// picker's list view only has to be told the new row count.
#include <cstddef>
#include <vector>

#include "store/face_lists.h"

// Inserts an entry with empty tag and face before row at, or at the end when at is past it.
void InsertBlankEntry(TextList& faces, TextList& tags, std::size_t at);

// Deletes the rows given in ascending order, in one pass over the lists.
void DeleteEntries(TextList& faces, TextList& tags, const std::vector<std::size_t>& rows);
