#include "view/search_keys.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "view/entry_text.h"
#include "view/reading_match.h"

namespace {

struct SearchKey {
    std::u16string face;
    std::u16string tag;
};

// While KeysMadeAt is the lists' current change count, entry i folded is
// SearchKeys[KeyOfEntry[i]]: a move to the top moves four bytes of KeyOfEntry, not the keys.
std::vector<SearchKey> SearchKeys;
std::vector<std::uint32_t> KeyOfEntry;
bool KeysMade = false;
unsigned long KeysMadeAt = 0;

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the windows' text is UTF-16");

// The windows' UTF-16 (wchar_t) as the matcher's, without a copy.
std::u16string_view Utf16(const std::wstring& text)
{
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

// shown is a buffer the caller reuses for every entry of a long list.
std::u16string FoldedEntry(const std::string& entry, std::wstring& shown)
{
    ShowEntryInto(entry, shown);
    return FoldForSearch(Utf16(shown));
}

bool KeysCurrent()
{
    return KeysMade && KeysMadeAt == FaceListsChangeCount();
}

void MakeKeysCurrent()
{
    if (KeysCurrent()) {
        return;
    }
    std::vector<SearchKey> keys;
    keys.reserve(FaceList.size());
    std::wstring shown;
    for (std::size_t i = 0; i < FaceList.size(); ++i) {
        keys.push_back({FoldedEntry(FaceList[i], shown),
                        i < TagList.size() ? FoldedEntry(TagList[i], shown) : std::u16string()});
    }
    SearchKeys.swap(keys);
    KeyOfEntry.resize(SearchKeys.size());
    std::iota(KeyOfEntry.begin(), KeyOfEntry.end(), 0u);
    KeysMade = true;
    KeysMadeAt = FaceListsChangeCount();
}

} // namespace

void FilterByReading(const std::wstring& filterText, TextList& shownFaces, TextList& shownTags)
{
    shownFaces.clear();
    shownTags.clear();
    MakeKeysCurrent();
    const ReadingQuery query = PrepareReadingQuery(Utf16(filterText));
    for (std::size_t i = 0; i < KeyOfEntry.size(); ++i) {
        const SearchKey& key = SearchKeys[KeyOfEntry[i]];
        if (MatchesReading(query, key.face, key.tag)) {
            shownFaces.push_back(FaceList[i]);
            shownTags.push_back(i < TagList.size() ? TagList[i] : std::string());
        }
    }
}

void MoveSearchKeyToTop(std::size_t index)
{
    if (KeysCurrent() && index < KeyOfEntry.size()) {
        std::rotate(KeyOfEntry.begin(), KeyOfEntry.begin() + static_cast<std::ptrdiff_t>(index),
                    KeyOfEntry.begin() + static_cast<std::ptrdiff_t>(index) + 1);
    }
}
