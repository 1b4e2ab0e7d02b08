#pragma once
// Finding entries by their reading: the filter text and the entries compared with katakana,
// width and case folded, and Latin letters in the filter read as romaji against the tags, in
// every way people write them. UTF-16 throughout, as the windows hold the text.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The form an entry's face and tag are searched in, made once when the list is loaded or
// edited: katakana (half-width too) become hiragana, a following voiced or semi-voiced mark
// (combining, spacing or half-width) joined to the kana that takes it; half-width katakana
// punctuation becomes full-width, full-width ASCII and the ideographic space ASCII, ASCII letters
// lower case, Latin vowels with a macron or circumflex plain, and the characters list encodings
// disagree on one each (〜 ～ ~; ￥ ¥ \, the yen sign of Japanese fonts; − -; ￠ ¢ ...). Every
// other code unit stays as it is.
std::u16string FoldForSearch(std::u16string_view text);
// The same appended to folded, so that the keys of a long list can share one buffer.
void AppendFoldedForSearch(std::u16string_view text, std::u16string& folded);

// One step of a reading: the tag's next unit is unit, alsoUnit (ぢ where romaji spelled じ), or
// a small kana that a large unit stands for (ぁ for あ; ゕ and ゖ for か, け and が).
struct ReadingStep {
    char16_t unit;
    char16_t alsoUnit;
    std::uint32_t next;
};

// The filter text read as kana with every alternative, as a graph: a tag holds what it reads
// where a path of steps from state 0 reaches state accept. The steps of state s are
// steps[firstStep[s], firstStep[s + 1]); a state never has more than the few spellings of one
// place in the filter, so a search is linear in the tag's length however the filter reads.
struct ReadingGraph {
    std::vector<std::uint32_t> firstStep;
    std::vector<ReadingStep> steps;
    std::uint32_t accept = 0;
    // Bit b is set when a tag unit whose low byte is b may begin a path: others are passed over
    // at once.
    std::array<std::uint64_t, 4> startBytes = {};
};

// What the filter text asks for, prepared once per keystroke.
struct ReadingQuery {
    // The filter text folded as the entries are.
    std::u16string folded;
    // Whether the filter reads as more than folded: it holds Latin letters or a -, read as
    // romaji, or kana that also find small ones. Then graph is searched in the tags too.
    bool readsKana = false;
    ReadingGraph graph;
    // The states a search has reached, kept between entries so that matching allocates nothing.
    struct Scratch {
        std::vector<std::uint32_t> active;
        std::vector<std::uint32_t> reached;
        std::vector<std::uint32_t> seenAt;
        std::uint32_t stamp = 0;
    };
    mutable Scratch scratch;
};

ReadingQuery PrepareReadingQuery(std::u16string_view typed);

// Whether an entry, given as FoldForSearch made its face and tag, is one the query asks for:
// its face or its tag contains the folded filter text, or its tag holds what the filter reads.
// Romaji never applies to the face: "no" must not find every face with an arm ノ.
bool MatchesReading(const ReadingQuery& query, std::u16string_view foldedFace,
                    std::u16string_view foldedTag);
