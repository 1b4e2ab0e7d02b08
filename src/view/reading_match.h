#pragma once
// Finding entries by their reading: the filter text and the entries compared with katakana,
// width and case folded, and Latin letters in the filter read as romaji against the tags.
// UTF-16 throughout, as the windows hold the text.
#include <string>
#include <string_view>
#include <vector>

// The form an entry's face and tag are searched in, made once when the list is loaded or
// edited: katakana (half-width too, a following half-width (semi-)voiced mark joined) become
// hiragana, half-width katakana punctuation full-width, full-width ASCII and the ideographic
// space ASCII, and ASCII letters lower case. Every other code unit stays as it is.
std::u16string FoldForSearch(std::u16string_view text);

// What the filter text asks for, prepared once per keystroke.
struct ReadingQuery {
    // The filter text folded as the entries are.
    std::u16string folded;
    // Whether the filter text holds Latin letters that read as romaji: then the kana they spell
    // (other characters kept as typed) is also looked for in the tags.
    bool spellsKana = false;
    std::u16string spelledKana;
    // The last syllable, when it is still being typed ("k" of "nek"): what it may yet become,
    // one of which must follow spelledKana. Empty when the last syllable is complete.
    std::vector<std::u16string> openSyllable;
};

ReadingQuery PrepareReadingQuery(std::u16string_view typed);

// Whether an entry, given as FoldForSearch made its face and tag, is one the query asks for:
// its face or its tag contains the folded filter text, or its tag contains the kana the
// romaji spells. Romaji never applies to the face: "no" must not find every face with an arm ノ.
bool MatchesReading(const ReadingQuery& query, std::u16string_view foldedFace,
                    std::u16string_view foldedTag);

