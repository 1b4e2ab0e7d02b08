#include "store/dictionary_merge.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace {

// A face's readings are kept joined by spaces, as a tag holds them: no list of strings a face.
struct FaceReadings {
    std::string_view face;
    std::string readings;
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

// One record a face, in the order the words first name it; hashed, so a long file is not
// compared word against word.
std::vector<FaceReadings> GroupByFace(const std::vector<DictionaryWord>& words, bool everyWord,
                                      ImportPlan& plan)
{
    const WordKind dictionaryKind = KindToTake(words);
    std::vector<FaceReadings> groups;
    std::unordered_map<std::string_view, std::size_t> groupOf;
    groupOf.reserve(words.size());
    for (const DictionaryWord& word : words) {
        if (!IsTaken(word.kind, everyWord, dictionaryKind)) {
            ++plan.wordsLeftOut;
            continue;
        }
        ++plan.wordsTaken;
        auto found = groupOf.emplace(word.word, groups.size());
        if (found.second) {
            groups.push_back({word.word, {}});
        }
        AddLacking(groups[found.first->second].readings, word.reading);
    }
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
    std::unordered_map<std::string_view, std::size_t> entryOf;
    entryOf.reserve(faces.size());
    for (std::size_t i = 0; i < faces.size(); ++i) {
        entryOf.emplace(faces[i], i);
    }
    for (FaceReadings& group : groups) {
        auto held = entryOf.find(group.face);
        if (held == entryOf.end()) {
            plan.newFaces.emplace_back(group.face);
            plan.newTags.push_back(std::move(group.readings));
            continue;
        }
        const std::string& tag = tags[held->second];
        std::string lacking;
        AddLacking(lacking, group.readings, tag);
        if (!lacking.empty()) {
            plan.taggedEntries.push_back(held->second);
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
