#pragma once
// Narrowing the emoticon list by the text typed into the filter box.
#include <string>
#include <vector>

#include "store/text_encoding.h"

// Rebuilds shownFaces and shownTags (their old contents are dropped) from the parallel lists
// faces and tags, which hold bytes in encoding: entry i is taken, once and in list order, when
// faces[i] contains filterText or else when tags[i] does. "Contains" is byte-wise, case- and
// width-sensitive, and a match starts only where a character starts, so a Shift-JIS filter
// never matches the second byte of a double-byte character; the searched text ends at its first
// NUL byte. An empty (or null) filterText takes every entry. A face without a tag (tags shorter
// than faces) is searched alone and keeps an empty tag.
void FilterFaces(const std::vector<std::string>& faces, const std::vector<std::string>& tags,
                 const char* filterText, TextEncoding encoding,
                 std::vector<std::string>& shownFaces, std::vector<std::string>& shownTags);
