#include "store/text_encoding.h"

namespace {

const std::string Utf8Mark = "\xEF\xBB\xBF";
const std::string Utf16LeMark = "\xFF\xFE";
const std::string Utf16BeMark = "\xFE\xFF";
// A list must never come to start with another encoding's mark: it would read back as that one.
const std::string* const Marks[] = {&Utf8Mark, &Utf16LeMark, &Utf16BeMark};
const std::string LineEnd = "\r\n";

bool StartsWith(const std::string& bytes, const std::string& mark)
{
    return bytes.compare(0, mark.size(), mark) == 0;
}

unsigned char ByteAt(const std::string& bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]);
}

// The length of the well-formed UTF-8 sequence at, or 0 when none starts there: no overlong
// forms, no surrogates, nothing past U+10FFFF.
std::size_t Utf8SequenceAt(const std::string& bytes, std::size_t at)
{
    unsigned char lead = ByteAt(bytes, at);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2
                         : lead >= 0xE0 && lead <= 0xEF                  ? 3
                         : lead >= 0xF0 && lead <= 0xF4                  ? 4
                                                                         : 0;
    if (length == 0 || at + length > bytes.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((ByteAt(bytes, at + i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    unsigned char second = length > 1 ? ByteAt(bytes, at + 1) : 0;
    bool overlong = (lead == 0xE0 && second < 0xA0) || (lead == 0xF0 && second < 0x90);
    bool surrogate = lead == 0xED && second >= 0xA0;
    bool tooLarge = lead == 0xF4 && second >= 0x90;
    return overlong || surrogate || tooLarge ? 0 : length;
}

// Multi-byte characters against bytes that start no character; a slip or two in a long UTF-8
// list leaves it UTF-8, while Shift-JIS gives about as many strays as characters.
bool IsMostlyUtf8(const std::string& bytes)
{
    std::size_t multiByte = 0;
    std::size_t strays = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        // Each multi-byte character takes two bytes at least: once the rest of the file could no
        // longer outweigh the strays, it is Shift-JIS, long before its end.
        if (strays * 4 > multiByte + (bytes.size() - at) / 2) {
            return false;
        }
        std::size_t length = Utf8SequenceAt(bytes, at);
        multiByte += length > 1;
        strays += length == 0;
        at += length == 0 ? 1 : length;
    }
    return multiByte > 0 && strays * 4 <= multiByte;
}

bool IsHighSurrogate(unsigned unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(unsigned unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

unsigned Utf16UnitAt(const std::string& bytes, std::size_t at, bool bigEndian)
{
    unsigned first = ByteAt(bytes, at);
    unsigned second = ByteAt(bytes, at + 1);
    return bigEndian ? (first << 8) | second : first | (second << 8);
}

// UTF-16 units from start to an even end, as UTF-8; a lone surrogate as its own three bytes.
std::string Utf16ToUtf8(const std::string& bytes, std::size_t start, std::size_t end, bool bigEndian)
{
    std::string text;
    text.reserve((end - start) * 3 / 2);
    for (std::size_t at = start; at < end; at += 2) {
        unsigned unit = Utf16UnitAt(bytes, at, bigEndian);
        unsigned next = at + 3 < end ? Utf16UnitAt(bytes, at + 2, bigEndian) : 0;
        if (IsHighSurrogate(unit) && IsLowSurrogate(next)) {
            AppendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
            at += 2;
        } else {
            AppendUtf8(text, unit);
        }
    }
    return text;
}

void AppendUtf16(std::string& bytes, unsigned unit, bool bigEndian)
{
    char low = static_cast<char>(unit & 0xFF);
    char high = static_cast<char>(unit >> 8);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
}

// The inverse of Utf16ToUtf8 for the text it gives; any other byte that is not part of a
// sequence of up to four bytes becomes U+FFFD.
std::string Utf8ToUtf16(const std::string& text, bool bigEndian)
{
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (std::size_t at = 0; at < text.size();) {
        unsigned char lead = ByteAt(text, at);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        bool whole = lead < 0x80 || (lead >= 0xC0 && at + length <= text.size());
        unsigned long codePoint = whole ? (length == 1 ? lead : lead & (0x7F >> length)) : 0xFFFD;
        for (std::size_t i = 1; whole && i < length; ++i) {
            codePoint = (codePoint << 6) | (ByteAt(text, at + i) & 0x3F);
        }
        at += whole ? length : 1;
        if (codePoint >= 0x10000) {
            AppendUtf16(bytes, 0xD800 + ((codePoint - 0x10000) >> 10), bigEndian);
            AppendUtf16(bytes, 0xDC00 + ((codePoint - 0x10000) & 0x3FF), bigEndian);
        } else {
            AppendUtf16(bytes, static_cast<unsigned>(codePoint), bigEndian);
        }
    }
    return bytes;
}

bool StartsWithAMark(const std::string& bytes)
{
    for (const std::string* mark : Marks) {
        if (StartsWith(bytes, *mark)) {
            return true;
        }
    }
    return false;
}

const std::string& MarkOf(TextEncoding encoding)
{
    static const std::string none;
    switch (encoding) {
    case TextEncoding::Utf8WithBom: return Utf8Mark;
    case TextEncoding::Utf16LeWithBom: return Utf16LeMark;
    case TextEncoding::Utf16BeWithBom: return Utf16BeMark;
    default: return none;
    }
}

bool IsUtf16(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf16LeWithBom || encoding == TextEncoding::Utf16BeWithBom;
}

} // namespace

void AppendUtf8(std::string& text, unsigned long codePoint)
{
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (codePoint >> 18));
        text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

char32_t Utf8CharacterAt(const std::string& bytes, std::size_t at, std::size_t& length)
{
    length = Utf8SequenceAt(bytes, at);
    if (length == 0) {
        length = 1;
        return 0;
    }
    char32_t character = length == 1 ? ByteAt(bytes, at) : ByteAt(bytes, at) & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        character = (character << 6) | (ByteAt(bytes, at + i) & 0x3F);
    }
    return character;
}

TextEncoding DetectTextEncoding(const std::string& bytes)
{
    if (StartsWith(bytes, Utf8Mark)) {
        return TextEncoding::Utf8WithBom;
    }
    if (StartsWith(bytes, Utf16LeMark)) {
        return TextEncoding::Utf16LeWithBom;
    }
    if (StartsWith(bytes, Utf16BeMark)) {
        return TextEncoding::Utf16BeWithBom;
    }
    return IsMostlyUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
}

std::string DecodeListFile(std::string bytes, ListFileForm& form)
{
    form.encoding = DetectTextEncoding(bytes);
    form.oddLastByte.clear();
    const std::size_t start = MarkOf(form.encoding).size();
    if (!IsUtf16(form.encoding)) {
        bytes.erase(0, start);
        return bytes;
    }
    std::size_t end = bytes.size() - (bytes.size() - start) % 2;
    form.oddLastByte = bytes.substr(end);
    return Utf16ToUtf8(bytes, start, end, form.encoding == TextEncoding::Utf16BeWithBom);
}

std::string EncodeListFile(const std::string& text, const ListFileForm& form)
{
    const std::string& mark = MarkOf(form.encoding);
    if (IsUtf16(form.encoding)) {
        return mark + Utf8ToUtf16(text, form.encoding == TextEncoding::Utf16BeWithBom) +
               form.oddLastByte;
    }
    // An empty first line, which the list's reading skips, keeps a mark-like start a list entry.
    return mark + (mark.empty() && StartsWithAMark(text) ? LineEnd : std::string()) + text;
}
