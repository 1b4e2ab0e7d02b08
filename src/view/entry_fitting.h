#pragma once
// Text entering the emoticon list in characters its encoding may not hold.
#include <cstddef>
#include <string>

#include "store/dictionary_merge.h"
#include "store/face_store.h"
#include "view/picker_view.h"

// The text as an entry of the emoticon list. A Shift-JIS list that cannot hold it exactly is
// first turned into UTF-8, the file being written so from then on: the lists, what the picker
// shows and edit mode's rows all take the new bytes, and the picker is sent
// CMD_FACE_LIST_NOW_UTF8 to tell the user.
std::string EntryForFaceList(PickerView& view, FaceLists& lists, bool readingSearch,
                             const std::wstring& text);

// Appends the entries, given in UTF-8, whose emoticon the list lacks (see AppendMissingFaces) and
// returns how many. A Shift-JIS list that cannot hold one of those exactly is turned into UTF-8
// first, as above, but the user is not told: turnedIntoUtf8 says so, and the caller tells.
std::size_t AddUtf8EntriesToFaceList(PickerView& view, FaceLists& lists, bool readingSearch,
                                     const TextList& faces, const TextList& tags,
                                     bool& turnedIntoUtf8);

// The lists in UTF-8, whatever the emoticon list's encoding: what an import is planned against
// and an export written from.
void FaceListsAsUtf8(const FaceLists& lists, TextList& faces, TextList& tags);

// Carries out an import planned in UTF-8 against FaceListsAsUtf8. A Shift-JIS list that cannot
// hold what it gains is turned into UTF-8 first, as above; turnedIntoUtf8 says so, and the caller
// tells.
void ApplyUtf8ImportPlan(PickerView& view, FaceLists& lists, bool readingSearch,
                         const ImportPlan& plan, bool& turnedIntoUtf8);
