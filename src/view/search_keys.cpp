#include "view/search_keys.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "settings/settings_record.h"
#include "view/entry_text.h"
#include "view/reading_match.h"

namespace {

// Entry i's folded face and tag are keys 2k and 2k + 1 with k = KeyOfEntry[i]: a move to the
// top moves four bytes of KeyOfEntry, not the keys. Key j is FoldedKeys[KeyStart[j],
// KeyStart[j + 1]): one buffer for every key spares an allocation and a string's bookkeeping
// per key, in time and in memory. The keys are made for the lists as KeysMadeAt counted their
// changes, a part at a time while the picker is idle (ContinueSearchKeys) or at once by the
// filter; KeysFolded entries have theirs.
std::u16string FoldedKeys;
std::vector<std::size_t> KeyStart;
std::vector<std::uint32_t> KeyOfEntry;
std::size_t KeysFolded = 0;
unsigned long KeysMadeAt = 0;
bool KeysStarted = false;

// Entries folded by one idle turn: well under a millisecond, so input never waits for it.
const std::size_t EntriesPerIdleTurn = 2048;

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the windows' text is UTF-16");

// The windows' UTF-16 (wchar_t) as the matcher's, without a copy.
std::u16string_view Utf16(const std::wstring& text)
{
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

// Appends the entry's key; shown is a buffer the caller reuses for every entry of a long list.
void AddKey(const std::string& entry, std::wstring& shown)
{
    ShowEntryInto(entry, shown);
    AppendFoldedForSearch(Utf16(shown), FoldedKeys);
    KeyStart.push_back(FoldedKeys.size());
}

std::u16string_view Key(std::size_t index)
{
    return std::u16string_view(FoldedKeys).substr(KeyStart[index],
                                                  KeyStart[index + 1] - KeyStart[index]);
}

bool KeysCurrent()
{
    return KeysStarted && KeysMadeAt == FaceListsChangeCount() && KeysFolded == FaceList.size();
}

// Starts the keys afresh when the lists have changed since they were begun.
void StartKeysIfStale()
{
    if (KeysStarted && KeysMadeAt == FaceListsChangeCount()) {
        return;
    }
    // An entry never folds to more UTF-16 units than it has bytes.
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < FaceList.size(); ++i) {
        bytes += FaceList[i].size() + (i < TagList.size() ? TagList[i].size() : 0);
    }
    FoldedKeys.clear();
    FoldedKeys.reserve(bytes);
    KeyStart.assign(1, 0);
    KeyStart.reserve(2 * FaceList.size() + 1);
    KeyOfEntry.clear();
    KeysFolded = 0;
    KeysMadeAt = FaceListsChangeCount();
    KeysStarted = true;
}

// Folds the keys of entries up to end; once all are made, gives back what was reserved.
void FoldKeysUpTo(std::size_t end)
{
    static const std::string noTag;
    std::wstring shown;
    for (; KeysFolded < end; ++KeysFolded) {
        AddKey(FaceList[KeysFolded], shown);
        AddKey(KeysFolded < TagList.size() ? TagList[KeysFolded] : noTag, shown);
    }
    if (KeysFolded == FaceList.size() && KeyOfEntry.size() != KeysFolded) {
        FoldedKeys.shrink_to_fit();
        KeyStart.shrink_to_fit();
        KeyOfEntry.resize(KeysFolded);
        std::iota(KeyOfEntry.begin(), KeyOfEntry.end(), 0u);
    }
}

void MakeKeysCurrent()
{
    StartKeysIfStale();
    FoldKeysUpTo(FaceList.size());
}

} // namespace

bool FilterByReading(const std::wstring& filterText, TextList& shownFaces, TextList& shownTags)
{
    shownFaces.clear();
    shownTags.clear();
    MakeKeysCurrent();
    const ReadingQuery query = PrepareReadingQuery(Utf16(filterText));
    // Kept between keystrokes: the entries found, as indices, before any string is copied.
    static std::vector<std::uint32_t> found;
    found.clear();
    for (std::size_t i = 0; i < KeyOfEntry.size(); ++i) {
        const std::size_t key = 2 * std::size_t{KeyOfEntry[i]};
        if (MatchesReading(query, Key(key), Key(key + 1))) {
            found.push_back(static_cast<std::uint32_t>(i));
        }
    }
    if (found.size() == FaceList.size()) {
        return true;
    }
    for (std::uint32_t i : found) {
        shownFaces.push_back(FaceList[i]);
        shownTags.push_back(i < TagList.size() ? TagList[i] : std::string());
    }
    return false;
}

bool ContinueSearchKeys()
{
    if (!Settings.ReadingSearch || KeysCurrent()) {
        return false;
    }
    StartKeysIfStale();
    FoldKeysUpTo(std::min(FaceList.size(), KeysFolded + EntriesPerIdleTurn));
    return true;
}

void MoveSearchKeyToTop(std::size_t index)
{
    if (KeysCurrent() && index < KeyOfEntry.size()) {
        std::rotate(KeyOfEntry.begin(), KeyOfEntry.begin() + static_cast<std::ptrdiff_t>(index),
                    KeyOfEntry.begin() + static_cast<std::ptrdiff_t>(index) + 1);
    } else {
        // Keys half made follow the entries' old order: they are made again.
        KeysStarted = false;
    }
}
