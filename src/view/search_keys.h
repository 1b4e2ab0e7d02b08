#pragma once
// The filter by reading: each entry's face and tag folded once (FoldForSearch) and searched on
// every keystroke. The folded forms are made again after the lists changed
// (NoteFaceListsChanged), while the picker is idle or at the latest on the next filtering, so a
// new or edited entry is found by its new text at once.
#include <cstddef>
#include <string>

#include "store/face_lists.h"

// Rebuilds shownFaces and shownTags (their old contents are dropped) from the entries of FaceList,
// in list order, that the filter text finds by reading (MatchesReading). When it finds every
// entry, returns true and leaves them empty: the whole list is the result, and copying a long
// one string by string costs far more than the search.
bool FilterByReading(const std::wstring& filterText, TextList& shownFaces, TextList& shownTags);
// While the picker is idle: folds the next part of the entries, so that the first filtering
// after the list was loaded or changed finds them folded. False when there is nothing to fold
// (or finding by reading is off).
bool ContinueSearchKeys();
// Moves the folded form of entry index to the top, as the lists have just moved the entry.
void MoveSearchKeyToTop(std::size_t index);
