#include "store/dictionary_file.h"

#include <cstdio>
#include <string_view>

#include "store/face_file.h"
#include "store/file_path.h"
#include "store/text_encoding.h"

namespace {

// Header lines the input methods' text exports begin with.
const std::string MicrosoftImeHeader = "!Microsoft IME";
const std::string AtokHeader = "!!ATOK";
// The parts of speech importing takes, as a UTF-8 file and as a Shift-JIS one spells them (the
// program's narrow literals are Shift-JIS).
const std::string EmoticonUtf8 = u8"顔文字";
const std::string EmoticonShiftJis = "顔文字";
const std::string SymbolUtf8 = u8"記号";
const std::string SymbolShiftJis = "記号";

const std::string Utf32LeMark("\xFF\xFE\0\0", 4);
const std::string Utf32BeMark("\0\0\xFE\xFF", 4);

bool StartsWith(std::string_view text, std::string_view start)
{
    return text.compare(0, start.size(), start) == 0;
}

// Every byte belongs to a character code page 932 defines the shape of: a single byte, or a lead
// byte with a second byte in its range.
bool IsWellFormedShiftJis(const std::string& bytes)
{
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        unsigned char byte = static_cast<unsigned char>(bytes[at]);
        if (byte == 0x80 || byte == 0xA0 || byte >= 0xFD) {
            return false;
        }
        if (IsShiftJisLeadByte(byte)) {
            unsigned char second = at + 1 < bytes.size() ? static_cast<unsigned char>(bytes[++at]) : 0;
            if (second < 0x40 || second == 0x7F || second > 0xFC) {
                return false;
            }
        }
    }
    return true;
}

// The lines and columns are views into the decoded text: a long dictionary is not copied a line
// and a column at a time.
std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string_view::npos ? text.size() : end;
        std::size_t length = end - start;
        if (length > 0 && text[end - 1] == '\r') {
            --length;
        }
        lines.push_back(text.substr(start, length));
        start = end + 1;
    }
    return lines;
}

// The first three tab-separated columns of a line (reading, word, part of speech); a comment
// after them is never read, so more are not counted.
struct LineColumns {
    std::string_view column[3];
    std::size_t count = 0;
};

LineColumns ColumnsOf(std::string_view line)
{
    LineColumns columns;
    std::size_t start = 0;
    while (columns.count < 3) {
        std::size_t tab = line.find('\t', start);
        bool last = tab == std::string_view::npos;
        columns.column[columns.count++] = line.substr(start, last ? line.size() - start : tab - start);
        if (last) {
            break;
        }
        start = tab + 1;
    }
    return columns;
}

// Microsoft IME and ATOK comment with '!', Mozc with '#'.
bool IsCommentLine(std::string_view line)
{
    return !line.empty() && (line[0] == '!' || line[0] == '#');
}

// Without a header a file is a dictionary when most of its lines hold a reading, a word and a
// part of speech; otherwise it is an emoticon list (tag TAB emoticon, or an emoticon alone).
DictionaryFormat FormatOf(const std::vector<std::string_view>& lines)
{
    if (!lines.empty() && StartsWith(lines[0], AtokHeader)) {
        return DictionaryFormat::Atok;
    }
    if (!lines.empty() && StartsWith(lines[0], MicrosoftImeHeader)) {
        return DictionaryFormat::MicrosoftIme;
    }
    std::size_t content = 0;
    std::size_t dictionaryLines = 0;
    for (std::string_view line : lines) {
        if (line.empty() || IsCommentLine(line)) {
            continue;
        }
        ++content;
        LineColumns columns = ColumnsOf(line);
        dictionaryLines += columns.count == 3 && !columns.column[2].empty();
    }
    return content > 0 && dictionaryLines * 2 > content ? DictionaryFormat::Mozc
                                                          : DictionaryFormat::FaceList;
}

// ATOK marks a part of speech with a trailing '*'.
WordKind KindOf(std::string_view partOfSpeech, bool shiftJis)
{
    if (!partOfSpeech.empty() && partOfSpeech.back() == '*') {
        partOfSpeech.remove_suffix(1);
    }
    if (partOfSpeech == (shiftJis ? EmoticonShiftJis : EmoticonUtf8)) {
        return WordKind::Emoticon;
    }
    return partOfSpeech == (shiftJis ? SymbolShiftJis : SymbolUtf8) ? WordKind::Symbol
                                                                    : WordKind::Other;
}

void TakeDictionaryLines(const std::vector<std::string_view>& lines, DictionaryFile& file)
{
    file.words.reserve(lines.size());
    for (std::string_view line : lines) {
        if (line.empty() || IsCommentLine(line)) {
            continue;
        }
        LineColumns columns = ColumnsOf(line);
        const std::string_view* column = columns.column;
        if (columns.count < 3 || column[0].empty() || column[1].empty()) {
            ++file.badLines;
            continue;
        }
        file.words.push_back(
            {std::string(column[0]), std::string(column[1]), KindOf(column[2], file.shiftJis)});
    }
}

void TakeListLines(const std::string& text, DictionaryFile& file)
{
    TextList faces;
    TextList tags;
    ParseFaceText(text, faces, tags);
    for (std::size_t i = 0; i < faces.size(); ++i) {
        if (!faces[i].empty()) {
            file.words.push_back({tags[i], faces[i], WordKind::ListEntry});
        }
    }
}

bool HasLongLine(const std::string& text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        if (end - start > DictionaryLineLimit) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

// UTF-16 without its mark shows as every other byte a NUL.
bool LooksLikeUnmarkedUtf16(const std::string& bytes)
{
    std::size_t zeros[2] = {0, 0};
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        zeros[at % 2] += bytes[at] == '\0';
    }
    std::size_t half = bytes.size() / 2;
    return half > 0 && (zeros[0] * 4 >= half * 3 || zeros[1] * 4 >= half * 3);
}

} // namespace

DictionaryProblem ReadDictionaryBytes(const char* path, std::string& bytes)
{
    bytes.clear();
    std::FILE* file = OpenFile(path, "rb");
    if (file == nullptr) {
        return DictionaryProblem::Unreadable;
    }
    bool sized = std::fseek(file, 0, SEEK_END) == 0;
    long size = sized ? std::ftell(file) : -1;
    bool rewound = std::fseek(file, 0, SEEK_SET) == 0;
    DictionaryProblem problem = DictionaryProblem::None;
    if (size < 0 || static_cast<unsigned long>(size) > DictionaryFileLimit) {
        problem = size < 0 ? DictionaryProblem::Unreadable : DictionaryProblem::TooLarge;
    } else if (!rewound || !ReadWholeStream(file, bytes)) {
        problem = DictionaryProblem::Unreadable;
    }
    std::fclose(file);
    if (problem != DictionaryProblem::None) {
        bytes.clear();
    }
    return problem;
}

DictionaryProblem ParseDictionary(const std::string& bytes, DictionaryFile& file)
{
    file = DictionaryFile();
    if (bytes.size() > DictionaryFileLimit) {
        return DictionaryProblem::TooLarge;
    }
    if (StartsWith(bytes, Utf32LeMark) || StartsWith(bytes, Utf32BeMark)) {
        return DictionaryProblem::UnknownEncoding;
    }
    ListFileForm form;
    std::string text = DecodeListFile(bytes, form);
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        return DictionaryProblem::Empty;
    }
    if (text.find('\0') != std::string::npos) {
        return form.encoding == TextEncoding::ShiftJis && LooksLikeUnmarkedUtf16(bytes)
                   ? DictionaryProblem::UnknownEncoding
                   : DictionaryProblem::Binary;
    }
    file.shiftJis = form.encoding == TextEncoding::ShiftJis;
    if (file.shiftJis && !IsWellFormedShiftJis(text)) {
        return DictionaryProblem::UnknownEncoding;
    }
    if (HasLongLine(text)) {
        return DictionaryProblem::LineTooLong;
    }
    std::vector<std::string_view> lines = SplitLines(text);
    file.format = FormatOf(lines);
    if (file.format == DictionaryFormat::FaceList) {
        TakeListLines(text, file);
    } else {
        TakeDictionaryLines(lines, file);
    }
    return file.words.empty() ? DictionaryProblem::NoWords : DictionaryProblem::None;
}
