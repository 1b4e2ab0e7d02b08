#pragma once
// The filter by reading: each entry's face and tag folded once (FoldForSearch) and searched on
// every keystroke. The folded forms are made again after the lists changed
// (NoteFaceListsChanged), while the picker is idle or at the latest on the next filtering, so a
// new or edited entry is found by its new text at once.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "store/face_store.h"

// Entry i's folded face and tag are keys 2k and 2k + 1 with k = ofEntry[i]: a move to the top
// moves four bytes of ofEntry, not the keys. Key j is folded[start[j], start[j + 1]): one buffer
// for every key spares an allocation and a string's bookkeeping per key, in time and in memory.
// The keys are made for the lists as madeAt counted their changes, a part at a time while the
// picker is idle or at once by the filter; the first entriesFolded entries have theirs.
struct SearchKeys {
    std::u16string folded;
    std::vector<std::size_t> start;
    std::vector<std::uint32_t> ofEntry;
    std::size_t entriesFolded = 0;
    unsigned long madeAt = 0;
    bool started = false;
    // Kept between keystrokes: the entries a filtering found, as indices.
    std::vector<std::uint32_t> found;
};

// Rebuilds shownFaces and shownTags (their old contents are dropped) from the entries of FaceList,
// in list order, that the filter text finds by reading (MatchesReading). When it finds every
// entry, returns true and leaves them empty: the whole list is the result, and copying a long
// one string by string costs far more than the search.
bool FilterByReading(SearchKeys& keys, const FaceLists& lists, const std::wstring& filterText,
                     TextList& shownFaces, TextList& shownTags);
// While the picker is idle: folds the next part of the entries, so that the first filtering
// after the list was loaded or changed finds them folded. False when there is nothing to fold.
bool ContinueSearchKeys(SearchKeys& keys, const FaceLists& lists);
// Moves the folded form of entry index to the top, as the lists have just moved the entry.
void MoveSearchKeyToTop(SearchKeys& keys, const FaceLists& lists, std::size_t index);
