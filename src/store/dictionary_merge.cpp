#include "store/dictionary_merge.h"

#include <algorithm>
#include <string_view>
#include <numeric>
#include <utility>

namespace {

// A face's readings are kept joined by spaces, as a tag holds them: no list of strings a face.
struct FaceReadings {
    std::string_view face;
    std::string readings;
    std::size_t firstWord = 0;
};

// Calls each with every reading of a tag: the words between its spaces.
template <typename Each>
void ForEachReading(std::string_view tag, Each each)
{
    std::size_t start = 0;
    while (start < tag.size()) {
        std::size_t end = std::min(tag.find(' ', start), tag.size());
        if (end > start) {
            each(tag.substr(start, end - start));
        }
        start = end + 1;
    }
}

bool HasReading(std::string_view tag, std::string_view reading)
{
    bool found = false;
    ForEachReading(tag, [&](std::string_view each) { found = found || each == reading; });
    return found;
}

// Adds the readings of more that joined lacks.
void AddLacking(std::string& joined, std::string_view more, std::string_view held = {})
{
    ForEachReading(more, [&](std::string_view reading) {
        if (!HasReading(held, reading) && !HasReading(joined, reading)) {
            joined += joined.empty() ? "" : " ";
            joined += reading;
        }
    });
}

bool IsTaken(WordKind kind, bool everyWord, WordKind dictionaryKind)
{
    return everyWord || kind == WordKind::ListEntry || kind == dictionaryKind;
}

// A dictionary with emoticons gives those; one without gives its symbols.
WordKind KindToTake(const std::vector<DictionaryWord>& words)
{
    bool anyEmoticon = std::any_of(words.begin(), words.end(), [](const DictionaryWord& word) {
        return word.kind == WordKind::Emoticon;
    });
    return anyEmoticon ? WordKind::Emoticon : WordKind::Symbol;
}

// Indices of texts sorted by text, the first of equal ones first: a long file is not compared
// word against word, and unlike a hash table it takes no allocation a text.
template <typename TextOf>
std::vector<std::size_t> SortedByText(std::vector<std::size_t> indices, TextOf text)
{
    std::stable_sort(indices.begin(), indices.end(),
                     [&](std::size_t one, std::size_t other) { return text(one) < text(other); });
    return indices;
}

// One record a face, in the order the words first name it.
std::vector<FaceReadings> GroupByFace(const std::vector<DictionaryWord>& words, bool everyWord,
                                      ImportPlan& plan)
{
    const WordKind dictionaryKind = KindToTake(words);
    std::vector<std::size_t> taken;
    taken.reserve(words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (IsTaken(words[i].kind, everyWord, dictionaryKind)) {
            taken.push_back(i);
        }
    }
    plan.wordsTaken = taken.size();
    plan.wordsLeftOut = words.size() - taken.size();
    taken = SortedByText(std::move(taken),
                         [&](std::size_t i) -> const std::string& { return words[i].word; });
    std::vector<FaceReadings> groups;
    for (std::size_t at = 0; at < taken.size();) {
        FaceReadings group = {words[taken[at]].word, {}, taken[at]};
        for (; at < taken.size() && words[taken[at]].word == group.face; ++at) {
            AddLacking(group.readings, words[taken[at]].reading);
        }
        groups.push_back(std::move(group));
    }
    std::sort(groups.begin(), groups.end(), [](const FaceReadings& one, const FaceReadings& other) {
        return one.firstWord < other.firstWord;
    });
    return groups;
}

} // namespace

std::vector<std::string> ReadingsOfTag(const std::string& tag)
{
    std::vector<std::string> readings;
    ForEachReading(tag, [&](std::string_view reading) { readings.emplace_back(reading); });
    return readings;
}

ImportPlan PlanImport(const TextList& faces, const TextList& tags,
                      const std::vector<DictionaryWord>& words, bool everyWord)
{
    ImportPlan plan;
    std::vector<FaceReadings> groups = GroupByFace(words, everyWord, plan);
    // A face the list holds more than once takes its readings at its first entry.
    std::vector<std::size_t> entries(faces.size());
    std::iota(entries.begin(), entries.end(), std::size_t(0));
    entries = SortedByText(std::move(entries),
                           [&](std::size_t i) -> const std::string& { return faces[i]; });
    for (FaceReadings& group : groups) {
        auto held = std::lower_bound(
            entries.begin(), entries.end(), group.face,
            [&](std::size_t entry, std::string_view face) { return faces[entry] < face; });
        if (held == entries.end() || faces[*held] != group.face) {
            plan.newFaces.emplace_back(group.face);
            plan.newTags.push_back(std::move(group.readings));
            continue;
        }
        const std::string& tag = tags[*held];
        std::string lacking;
        AddLacking(lacking, group.readings, tag);
        if (!lacking.empty()) {
            plan.taggedEntries.push_back(*held);
            plan.tagAdditions.push_back((tag.empty() || tag.back() == ' ' ? "" : " ") + lacking);
        }
    }
    return plan;
}

void ApplyImportPlan(TextList& faces, TextList& tags, const ImportPlan& plan)
{
    for (std::size_t i = 0; i < plan.taggedEntries.size(); ++i) {
        tags[plan.taggedEntries[i]] += plan.tagAdditions[i];
    }
    faces.insert(faces.end(), plan.newFaces.begin(), plan.newFaces.end());
    tags.insert(tags.end(), plan.newTags.begin(), plan.newTags.end());
}
