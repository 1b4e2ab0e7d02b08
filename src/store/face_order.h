#pragma once
// Reordering and thinning the whole emoticon list. Both treat an entry as its line of the
// emoticon file, "tag TAB face", and split the lines back at their first TAB afterwards, as the
// file loader does: a tag holding a TAB (only edit mode can make one) comes back cut there.
#include "store/face_lists.h"

// Sorts the entries by their lines in plain unsigned byte order, whatever the locale: in effect
// by tag (an empty tag first, "ab" before "abc"), then by face.
void SortEntries(TextList& faces, TextList& tags);

// Removes every entry whose line equals the line of an earlier one (the same bytes, tag and face
// both); the first of each stays and the entries keep their order.
void RemoveDuplicateEntries(TextList& faces, TextList& tags);
