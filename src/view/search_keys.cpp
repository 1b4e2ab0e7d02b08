#include "view/search_keys.h"

#include <algorithm>
#include <numeric>

#include "view/entry_text.h"
#include "view/reading_match.h"

namespace {

// Entries folded by one idle turn: well under a millisecond, so input never waits for it.
const std::size_t EntriesPerIdleTurn = 2048;

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the windows' text is UTF-16");

// The windows' UTF-16 (wchar_t) as the matcher's, without a copy.
std::u16string_view Utf16(const std::wstring& text)
{
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

// Appends the entry's key; shown is a buffer the caller reuses for every entry of a long list.
void AddKey(SearchKeys& keys, const std::string& entry, TextEncoding encoding,
            std::wstring& shown)
{
    ShowEntryInto(entry, encoding, shown);
    AppendFoldedForSearch(Utf16(shown), keys.folded);
    keys.start.push_back(keys.folded.size());
}

std::u16string_view Key(const SearchKeys& keys, std::size_t index)
{
    return std::u16string_view(keys.folded).substr(keys.start[index],
                                                   keys.start[index + 1] - keys.start[index]);
}

bool KeysCurrent(const SearchKeys& keys, const FaceLists& lists)
{
    return keys.started && keys.madeAt == lists.changeCount &&
           keys.entriesFolded == lists.FaceList.size();
}

// Starts the keys afresh when the lists have changed since they were begun.
void StartKeysIfStale(SearchKeys& keys, const FaceLists& lists)
{
    if (keys.started && keys.madeAt == lists.changeCount) {
        return;
    }
    const TextList& faces = lists.FaceList;
    const TextList& tags = lists.TagList;
    // An entry never folds to more UTF-16 units than it has bytes.
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < faces.size(); ++i) {
        bytes += faces[i].size() + (i < tags.size() ? tags[i].size() : 0);
    }
    keys.folded.clear();
    keys.folded.reserve(bytes);
    keys.start.assign(1, 0);
    keys.start.reserve(2 * faces.size() + 1);
    keys.ofEntry.clear();
    keys.entriesFolded = 0;
    keys.madeAt = lists.changeCount;
    keys.started = true;
}

// Folds the keys of entries up to end; once all are made, gives back what was reserved.
void FoldKeysUpTo(SearchKeys& keys, const FaceLists& lists, std::size_t end)
{
    static const std::string noTag;
    const TextList& faces = lists.FaceList;
    const TextList& tags = lists.TagList;
    const TextEncoding encoding = FaceListEncoding(lists);
    std::wstring shown;
    for (std::size_t& i = keys.entriesFolded; i < end; ++i) {
        AddKey(keys, faces[i], encoding, shown);
        AddKey(keys, i < tags.size() ? tags[i] : noTag, encoding, shown);
    }
    if (keys.entriesFolded == faces.size() && keys.ofEntry.size() != faces.size()) {
        keys.folded.shrink_to_fit();
        keys.start.shrink_to_fit();
        keys.ofEntry.resize(faces.size());
        std::iota(keys.ofEntry.begin(), keys.ofEntry.end(), 0u);
    }
}

void MakeKeysCurrent(SearchKeys& keys, const FaceLists& lists)
{
    StartKeysIfStale(keys, lists);
    FoldKeysUpTo(keys, lists, lists.FaceList.size());
}

} // namespace

bool FilterByReading(SearchKeys& keys, const FaceLists& lists, const std::wstring& filterText,
                     TextList& shownFaces, TextList& shownTags)
{
    shownFaces.clear();
    shownTags.clear();
    MakeKeysCurrent(keys, lists);
    const ReadingQuery query = PrepareReadingQuery(Utf16(filterText));
    // The entries are found as indices before any string is copied.
    std::vector<std::uint32_t>& found = keys.found;
    found.clear();
    for (std::size_t i = 0; i < keys.ofEntry.size(); ++i) {
        const std::size_t key = 2 * std::size_t{keys.ofEntry[i]};
        if (MatchesReading(query, Key(keys, key), Key(keys, key + 1))) {
            found.push_back(static_cast<std::uint32_t>(i));
        }
    }
    if (found.size() == lists.FaceList.size()) {
        return true;
    }
    for (std::uint32_t i : found) {
        shownFaces.push_back(lists.FaceList[i]);
        shownTags.push_back(i < lists.TagList.size() ? lists.TagList[i] : std::string());
    }
    return false;
}

bool ContinueSearchKeys(SearchKeys& keys, const FaceLists& lists)
{
    if (KeysCurrent(keys, lists)) {
        return false;
    }
    StartKeysIfStale(keys, lists);
    FoldKeysUpTo(keys, lists,
                 std::min(lists.FaceList.size(), keys.entriesFolded + EntriesPerIdleTurn));
    return true;
}

void MoveSearchKeyToTop(SearchKeys& keys, const FaceLists& lists, std::size_t index)
{
    std::vector<std::uint32_t>& order = keys.ofEntry;
    if (KeysCurrent(keys, lists) && index < order.size()) {
        std::rotate(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(index),
                    order.begin() + static_cast<std::ptrdiff_t>(index) + 1);
    } else {
        // Keys half made follow the entries' old order: they are made again.
        keys.started = false;
    }
}
