#pragma once
// Edit mode's working copy of the lists, in the emoticon list's encoding.
#include "store/face_lists.h"

// The rows while edit mode lasts: row r shows EditRowTags[r] and EditRowFaces[r].
extern TextList EditRowFaces;
extern TextList EditRowTags;
