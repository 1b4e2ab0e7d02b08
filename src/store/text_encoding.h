#pragma once
// The encodings a list file may be in, and the bytes the lists hold for each. Shift-JIS and
// UTF-8 files are held as their own bytes; UTF-16 files as UTF-8, where a surrogate without its
// partner keeps its place in the three-byte form UTF-8 would give it. So a file decoded and
// encoded again gives its own bytes back, whatever they are.
#include <string>

enum class TextEncoding { ShiftJis, Utf8, Utf8WithBom, Utf16LeWithBom, Utf16BeWithBom };

// A UTF-8, UTF-16LE or UTF-16BE byte-order mark says so. Without one, bytes that are mostly
// UTF-8 (at least one multi-byte character, and at most one byte outside any character for every
// four of them, as an editor's slip leaves) are UTF-8; everything else, pure ASCII included, is
// Shift-JIS, which is rarely valid UTF-8 for long.
TextEncoding DetectTextEncoding(const std::string& bytes);

// How a list file is written: its encoding and, as a UTF-16 file's last byte may have no
// partner, that byte.
struct ListFileForm {
    TextEncoding encoding = TextEncoding::ShiftJis;
    std::string oddLastByte;
};

// Whether the byte starts a two-byte character of Shift-JIS (code page 932). Inline: the fill
// asks it of every byte of a long list.
inline bool IsShiftJisLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The character the well-formed UTF-8 sequence at `at` encodes, with its length in bytes; a byte
// that starts none gives 0 and length 1.
char32_t Utf8CharacterAt(const std::string& bytes, std::size_t at, std::size_t& length);

// Appends the character in UTF-8.
void AppendUtf8(std::string& text, unsigned long codePoint);

// A list file's contents as the lists hold them (no byte-order mark, UTF-16 turned into UTF-8),
// and its form.
std::string DecodeListFile(std::string bytes, ListFileForm& form);

// The file's bytes for text in the form, byte-order mark and odd last byte included.
std::string EncodeListFile(const std::string& text, const ListFileForm& form);
