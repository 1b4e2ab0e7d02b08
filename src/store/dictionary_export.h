#pragma once
// The emoticon list written as an input method's dictionary: one line for each reading of each
// entry, the emoticon as the word, 顔文字 as its part of speech. Window-free; the lists in UTF-8.
#include <cstddef>
#include <string>

#include "store/dictionary_file.h"
#include "store/face_lists.h"

// What the input methods take, the stricter's limits for both: a reading of hiragana, the long
// vowel mark and Latin letters and digits, a word with no control character, 60 characters each.
const std::size_t DictionaryTextLimit = 60;

struct DictionaryExport {
    std::string bytes; // the file, in the format's encoding
    std::size_t lines = 0;
    std::size_t entriesWritten = 0;
    // The emoticons of entries left out: no reading an input method accepts, or a word it cannot
    // hold.
    TextList leftOut;
};

// format is MicrosoftIme (UTF-16LE with a byte-order mark, its header, CR LF) or Mozc (UTF-8
// without a mark, CR LF, an empty comment column).
DictionaryExport ExportDictionary(const TextList& faces, const TextList& tags, DictionaryFormat format);

// The reading as a dictionary takes it, katakana written as hiragana; empty when an input method
// would refuse it.
std::string DictionaryReading(const std::string& reading);
