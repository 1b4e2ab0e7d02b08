#pragma once
#include <string>

#include "store/face_lists.h"

// Puts the face at the top of the list with an empty tag, unless the list already holds an
// emoticon of exactly these bytes (under any tag). True when it was added. The comparison is by
// bytes: two emoticons the user's locale happens to sort alike are still two emoticons.
bool AddFaceAtTop(TextList& faces, TextList& tags, const std::string& face);
