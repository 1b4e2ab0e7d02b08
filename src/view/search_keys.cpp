#include "view/search_keys.h"

#include <algorithm>
#include <vector>

#include "view/entry_text.h"
#include "view/reading_match.h"

namespace {

struct SearchKey {
    std::u16string face;
    std::u16string tag;
};

// SearchKeys[i] is entry i folded, while KeysMadeAt is the lists' current change count.
std::vector<SearchKey> SearchKeys;
bool KeysMade = false;
unsigned long KeysMadeAt = 0;

// The windows' UTF-16 (wchar_t) unit by unit.
std::u16string Utf16(const std::wstring& text)
{
    return std::u16string(text.begin(), text.end());
}

std::u16string FoldedEntry(const std::string& entry)
{
    return FoldForSearch(Utf16(ShownEntry(entry)));
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
    for (std::size_t i = 0; i < FaceList.size(); ++i) {
        keys.push_back({FoldedEntry(FaceList[i]), i < TagList.size() ? FoldedEntry(TagList[i])
                                                                     : std::u16string()});
    }
    SearchKeys.swap(keys);
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
    for (std::size_t i = 0; i < SearchKeys.size(); ++i) {
        if (MatchesReading(query, SearchKeys[i].face, SearchKeys[i].tag)) {
            shownFaces.push_back(FaceList[i]);
            shownTags.push_back(i < TagList.size() ? TagList[i] : std::string());
        }
    }
}

void MoveSearchKeyToTop(std::size_t index)
{
    if (KeysCurrent() && index < SearchKeys.size()) {
        std::rotate(SearchKeys.begin(), SearchKeys.begin() + static_cast<std::ptrdiff_t>(index),
                    SearchKeys.begin() + static_cast<std::ptrdiff_t>(index) + 1);
    }
}
