// Narrowing the emoticon list by the text typed into the filter box.
#ifndef VEMPLOR_VIEW_FACE_FILTER_H
#define VEMPLOR_VIEW_FACE_FILTER_H

#include <string>
#include <vector>

// Rebuilds shownFaces and shownTags (their old contents are dropped) from the parallel lists
// faces and tags: entry i is taken, once and in list order, when faces[i] contains filterText
// or else when tags[i] does. "Contains" is C strstr on the c_str() of each: byte-wise, case-
// and width-sensitive, blind to Shift-JIS character boundaries, and the searched text ends at
// its first NUL byte. An empty (or null) filterText takes every entry. A face without a tag
// (tags shorter than faces) is searched alone and keeps an empty tag.
void FilterFaces(const std::vector<std::string>& faces, const std::vector<std::string>& tags,
                 const char* filterText, std::vector<std::string>& shownFaces,
                 std::vector<std::string>& shownTags);

#endif
