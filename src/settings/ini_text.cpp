#include "settings/ini_text.h"

namespace {

const char* const LineEnd = "\r\n";

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

// A line of the file: its text runs from start to end (a CR before the LF stays in the text and
// counts as a blank), and the next line begins at next.
struct Line {
    std::size_t start;
    std::size_t end;
    std::size_t next;
};

Line LineAt(const std::string& contents, std::size_t start)
{
    std::size_t feed = contents.find('\n', start);
    if (feed == std::string::npos) {
        return {start, contents.size(), contents.size()};
    }
    return {start, feed, feed + 1};
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
    if (!head.empty() && head.back() != '\n') {
        head += LineEnd;
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
    for (std::size_t start = 0; start < contents.size();) {
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
    KeyPlace place = PlaceOfKey(contents, section, key);
    if (place.found) {
        const Line& line = place.line;
        bool carriageReturn = line.end > line.start && contents[line.end - 1] == '\r';
        return contents.substr(0, line.start) + entry + (carriageReturn ? "\r" : "") +
               contents.substr(line.end);
    }
    if (place.insertAt == std::string::npos) {
        return EndedLines(contents, contents.size()) + "[" + section + "]" + LineEnd + entry +
               LineEnd;
    }
    return EndedLines(contents, place.insertAt) + entry + LineEnd + contents.substr(place.insertAt);
}
