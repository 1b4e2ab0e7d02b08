#pragma once
#include <cstddef>
#include <string>

#include "store/face_lists.h"

// Both add faces unless the list already holds an emoticon of exactly these bytes (under any
// tag). The comparison is by bytes: two emoticons the user's locale happens to sort alike are
// still two emoticons.

// Puts the face at the top of the list with an empty tag. True when it was added.
bool AddFaceAtTop(TextList& faces, TextList& tags, const std::string& face);

// Appends the entries (newFaces[i] with newTags[i]) whose emoticon the list lacks at its end, in
// their order and each emoticon once, so that the list keeps its own order; returns how many.
// The lists and the entries are in the same encoding.
std::size_t AppendMissingFaces(TextList& faces, TextList& tags, const TextList& newFaces,
                               const TextList& newTags);
