#include "settings/ini_text.h"

namespace {

const std::string Utf8Mark = "\xEF\xBB\xBF";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::string Trimmed(const std::string& text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first])) {
        ++first;
    }
    while (last > first && IsBlank(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] - 'A' + 'a') : b[i];
        if (x != y) {
            return false;
        }
    }
    return true;
}

// A line of the file: its text runs from start to end, and the next line begins at next. CR LF,
// LF and a lone CR each end a line, as editors write them.
struct Line {
    std::size_t start;
    std::size_t end;
    std::size_t next;
};

Line LineAt(const std::string& contents, std::size_t start)
{
    std::size_t end = contents.find_first_of("\r\n", start);
    if (end == std::string::npos) {
        return {start, contents.size(), contents.size()};
    }
    bool crLf = contents.compare(end, 2, "\r\n") == 0;
    return {start, end, end + (crLf ? 2 : 1)};
}

// Where the first line starts: after a UTF-8 byte-order mark, which an editor may have put there.
std::size_t FirstLineStart(const std::string& contents)
{
    return contents.compare(0, Utf8Mark.size(), Utf8Mark) == 0 ? Utf8Mark.size() : 0;
}

// The line end the file already uses, so that added lines match it; CR LF in a file with none.
std::string LineEndOf(const std::string& contents)
{
    Line first = LineAt(contents, FirstLineStart(contents));
    return first.next > first.end ? contents.substr(first.end, first.next - first.end) : "\r\n";
}

// The section's name when the line is a section header ("[name]"), else false.
bool SectionNameOf(const std::string& text, std::string& name)
{
    std::string line = Trimmed(text);
    std::size_t close = line.rfind(']');
    if (line.empty() || line[0] != '[' || close == std::string::npos) {
        return false;
    }
    name = Trimmed(line.substr(1, close - 1));
    return true;
}

bool IsKeyLine(const std::string& text, const std::string& key)
{
    return SameName(Trimmed(text.substr(0, text.find('='))), key);
}

// The text before position with a line break after it, unless it is empty or already ends in one.
std::string EndedLines(const std::string& contents, std::size_t position)
{
    std::string head = contents.substr(0, position);
    if (head.size() > FirstLineStart(head) && head.back() != '\n' && head.back() != '\r') {
        head += LineEndOf(contents);
    }
    return head;
}

std::string Unquoted(const std::string& value)
{
    bool quoted = value.size() >= 2 && (value[0] == '"' || value[0] == '\'') &&
                  value.back() == value[0];
    return quoted ? value.substr(1, value.size() - 2) : value;
}

// Where the first section of that name holds the key: its line when found, else where a new
// key line goes (npos when the section is missing).
struct KeyPlace {
    bool found = false;
    Line line = {};
    std::size_t insertAt = std::string::npos;
};

KeyPlace PlaceOfKey(const std::string& contents, const std::string& section, const std::string& key)
{
    KeyPlace place;
    bool inSection = false;
    for (std::size_t start = FirstLineStart(contents); start < contents.size();) {
        Line line = LineAt(contents, start);
        std::string text = contents.substr(line.start, line.end - line.start);
        std::string name;
        if (SectionNameOf(text, name)) {
            if (inSection) {
                break;
            }
            inSection = SameName(name, section);
            place.insertAt = inSection ? line.next : place.insertAt;
        } else if (inSection && IsKeyLine(text, key)) {
            place.found = true;
            place.line = line;
            return place;
        } else if (inSection && !Trimmed(text).empty()) {
            place.insertAt = line.next;
        }
        start = line.next;
    }
    return place;
}

} // namespace

bool FindIniValue(const std::string& contents, const std::string& section, const std::string& key,
                  std::string& value)
{
    KeyPlace place = PlaceOfKey(contents, section, key);
    std::string text = contents.substr(place.line.start, place.line.end - place.line.start);
    if (!place.found || text.find('=') == std::string::npos) {
        return false;
    }
    value = Unquoted(Trimmed(text.substr(text.find('=') + 1)));
    return true;
}

std::string WithIniValue(const std::string& contents, const std::string& section,
                         const std::string& key, const std::string& value)
{
    const std::string entry = key + "=" + value;
    const std::string lineEnd = LineEndOf(contents);
    KeyPlace place = PlaceOfKey(contents, section, key);
    if (place.found) {
        return contents.substr(0, place.line.start) + entry + contents.substr(place.line.end);
    }
    if (place.insertAt == std::string::npos) {
        return EndedLines(contents, contents.size()) + "[" + section + "]" + lineEnd + entry +
               lineEnd;
    }
    return EndedLines(contents, place.insertAt) + entry + lineEnd + contents.substr(place.insertAt);
}
