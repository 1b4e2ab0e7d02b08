#pragma once
// The filter by reading: each entry's face and tag folded once (FoldForSearch) and searched on
// every keystroke. The folded forms are made again in full on the first filtering after the
// lists changed (NoteFaceListsChanged), so a new or edited entry is found by its new text at once.
#include <cstddef>
#include <string>

#include "store/face_lists.h"

// Rebuilds shownFaces and shownTags (their old contents are dropped) from the entries of FaceList,
// in list order, that the filter text finds by reading (MatchesReading).
void FilterByReading(const std::wstring& filterText, TextList& shownFaces, TextList& shownTags);
// Moves the folded form of entry index to the top, as the lists have just moved the entry.
void MoveSearchKeyToTop(std::size_t index);
