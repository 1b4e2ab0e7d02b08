#pragma once
// Input-method dictionaries and emoticon lists as files to import: which kind a file is, and its
// words. Window-free; the words keep the file's bytes (Shift-JIS, or UTF-8 for every other
// encoding, UTF-16 turned into UTF-8 on the way).
#include <cstddef>
#include <string>
#include <vector>

// The kinds of file the picker imports; the first two are also what it exports.
enum class DictionaryFormat { MicrosoftIme, Mozc, Atok, FaceList };

// What a dictionary says a word is, as far as importing asks.
enum class WordKind { Emoticon, Symbol, Other, ListEntry };

struct DictionaryWord {
    std::string reading; // an emoticon list's tag: one or more readings separated by spaces
    std::string word;
    WordKind kind = WordKind::ListEntry;
};

struct DictionaryFile {
    DictionaryFormat format = DictionaryFormat::FaceList;
    bool shiftJis = false;
    std::vector<DictionaryWord> words;
    // Dictionary lines that hold no word (too few columns, an empty reading or word).
    std::size_t badLines = 0;
};

// Why a file cannot be imported; nothing is taken from it then.
enum class DictionaryProblem {
    None,
    Unreadable,
    Empty,
    TooLarge,
    LineTooLong,
    Binary,
    UnknownEncoding,
    NoWords,
};

// Far beyond any dictionary (100,000 words take about 5 MB), and small enough to read at once.
const std::size_t DictionaryFileLimit = 32u << 20;
const std::size_t DictionaryLineLimit = 64u << 10;

// Reads a whole file of at most DictionaryFileLimit bytes; path in UTF-8.
DictionaryProblem ReadDictionaryBytes(const char* path, std::string& bytes);

// Makes out the file's encoding and kind and takes its words, in the file's order.
DictionaryProblem ParseDictionary(const std::string& bytes, DictionaryFile& file);
