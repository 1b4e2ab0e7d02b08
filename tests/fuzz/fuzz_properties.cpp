#include "fuzz_properties.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "settings/ini_text.h"
#include "settings/setting_values.h"
#include "store/face_file.h"
#include "store/text_encoding.h"
#include "view/complete_text.h"
#include "view/face_filter.h"
#include "view/reading_match.h"

namespace {

bool EndsInWholeCharacters(const char* text)
{
    std::size_t length = std::strlen(text);
    std::size_t i = 0;
    while (i < length) {
        i += IsShiftJisLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    }
    return i == length;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    std::string::size_type at = 0;
    while ((at = text.find(from, at)) != std::string::npos) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
    return text;
}

int ReferenceInt(const char* text)
{
    long long value = std::strtoll(text, nullptr, 10);
    return value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

// The plain way: at each Shift-JIS character's start, in turn, up to the first NUL.
bool ContainsAtCharacterStart(const std::string& haystack, const std::string& needle)
{
    const char* text = haystack.c_str();
    const char* wanted = needle.c_str();
    for (std::size_t at = 0;; ++at) {
        if (std::strncmp(text + at, wanted, std::strlen(wanted)) == 0) {
            return true;
        }
        if (text[at] == '\0') {
            return false;
        }
        if (IsShiftJisLeadByte(static_cast<unsigned char>(text[at])) && text[at + 1] != '\0') {
            ++at;
        }
    }
}

// The key's value, or a text no value can hold when it is not there.
std::string IniValue(const std::string& contents, const char* key)
{
    std::string value;
    return FindIniValue(contents, "Option", key, value) ? value : std::string("\n(none)");
}

std::u16string Utf16Units(const std::string& input)
{
    std::u16string units;
    for (std::size_t at = 0; at + 1 < input.size(); at += 2) {
        units += static_cast<char16_t>(static_cast<unsigned char>(input[at]) |
                                       static_cast<unsigned char>(input[at + 1]) << 8);
    }
    return units;
}

bool IsVoicedMark(char16_t unit)
{
    return (unit >= 0x3099 && unit <= 0x309C) || unit == 0xFF9E || unit == 0xFF9F;
}

bool Contains(const std::u16string& text, const std::u16string& part)
{
    return text.find(part) != std::u16string::npos;
}

} // namespace

bool CheckFaceFileText(const std::string& input)
{
    TextList faces;
    TextList tags;
    ParseFaceText(input, faces, tags);
    std::string saved = FormatFaceText(faces, tags);
    TextList loadedFaces;
    TextList loadedTags;
    ParseFaceText(saved, loadedFaces, loadedTags);
    if (loadedFaces != faces || loadedTags != tags || faces.size() != tags.size() ||
        FormatFaceText(loadedFaces, loadedTags) != saved) {
        return false;
    }
    std::size_t lineEnds = static_cast<std::size_t>(std::count(saved.begin(), saved.end(), '\n'));
    if (lineEnds + (faces.empty() ? 0 : 1) != faces.size()) {
        return false;
    }
    for (const std::string& face : faces) {
        std::string shown = CompleteText(face);
        if (!EndsInWholeCharacters(shown.c_str()) || shown.size() != std::strlen(face.c_str())) {
            return false;
        }
    }
    return true;
}

bool CheckFilterFileText(const std::string& input)
{
    TextList filters;
    ParseFilterText(input, filters);
    std::string joined;
    for (std::size_t i = 0; i < filters.size(); ++i) {
        joined += (i == 0 ? "" : "\n") + filters[i];
    }
    return joined == Replaced(input, "\r\n", "\n");
}

bool CheckSettingValues(const std::string& input)
{
    const char* text = input.c_str();
    int value = ParseSettingInt(text);
    if (value != ReferenceInt(text) || SettingOnIfNonZero(text) != (value != 0) ||
        SettingOnIfOne(text) != (value == 1)) {
        return false;
    }
    int numbers[3] = {};
    std::memcpy(numbers, input.data(), std::min(input.size(), sizeof numbers));
    MultiplyDivideRounded(numbers[0], numbers[1], numbers[2]);
    PickerFontRecord font = MakePickerFontRecord(numbers[0], numbers[1], numbers[2], text);
    std::size_t nameLength = std::strlen(font.faceName);
    return nameLength < sizeof font.faceName && EndsInWholeCharacters(font.faceName) &&
           std::strncmp(font.faceName, text, nameLength) == 0;
}

bool CheckFaceFilter(const std::string& input)
{
    std::string::size_type lineEnd = input.find('\n');
    std::string filter = input.substr(0, lineEnd);
    TextList faces;
    TextList tags;
    ParseFaceText(lineEnd == std::string::npos ? "" : input.substr(lineEnd + 1), faces, tags);
    TextList shownFaces;
    TextList shownTags;
    FilterFaces(faces, tags, filter.c_str(), TextEncoding::ShiftJis, shownFaces, shownTags);
    std::size_t shown = 0;
    for (std::size_t i = 0; i < faces.size(); ++i) {
        if (!ContainsAtCharacterStart(faces[i], filter) &&
            !ContainsAtCharacterStart(tags[i], filter)) {
            continue;
        }
        if (shown >= shownFaces.size() || shownFaces[shown] != faces[i] ||
            shownTags[shown] != tags[i]) {
            return false;
        }
        ++shown;
    }
    return shown == shownFaces.size() && shown == shownTags.size();
}

bool CheckListEncoding(const std::string& input)
{
    ListFileForm form;
    std::string text = DecodeListFile(input, form);
    TextList faces;
    TextList tags;
    ParseFaceText(text, faces, tags);
    ListFileForm savedForm;
    TextList savedFaces;
    TextList savedTags;
    ParseFaceText(DecodeListFile(EncodeListFile(FormatFaceText(faces, tags), form), savedForm),
                  savedFaces, savedTags);
    return EncodeListFile(text, form) == input && form.encoding == DetectTextEncoding(input) &&
           (faces.empty() || (savedFaces == faces && savedTags == tags));
}

bool CheckIniText(const std::string& input)
{
    const std::string written = WithIniValue(input, "Option", "Top", "42");
    const std::string both = WithIniValue(written, "Option", "Left", "-7");
    return IniValue(written, "Top") == "42" && WithIniValue(written, "Option", "Top", "42") == written &&
           IniValue(both, "Top") == "42" && IniValue(both, "Left") == "-7" &&
           IniValue(written, "Width") == IniValue(input, "Width");
}

bool CheckReadingMatch(const std::string& input)
{
    const std::u16string units = Utf16Units(input);
    const std::size_t lineEnd = std::min(units.find(u'\n'), units.size());
    const std::u16string typed = units.substr(0, lineEnd);
    const std::u16string entry = lineEnd < units.size() ? units.substr(lineEnd + 1) : u"";
    const std::size_t tab = std::min(entry.find(u'\t'), entry.size());
    const std::u16string face = FoldForSearch(entry.substr(0, tab));
    const std::u16string tag = FoldForSearch(tab < entry.size() ? entry.substr(tab + 1) : u"");
    if (FoldForSearch(face) != face || FoldForSearch(tag) != tag) {
        return false;
    }
    const ReadingQuery query = PrepareReadingQuery(typed);
    const bool found = MatchesReading(query, face, tag);
    if ((Contains(face, query.folded) || Contains(tag, query.folded)) && !found) {
        return false;
    }
    if (MatchesReading(query, face, u"") != Contains(face, query.folded)) {
        return false;
    }
    for (std::size_t length = 0; found && length < typed.size(); ++length) {
        // A voiced mark typed after its kana makes another character of it: ｺ is not ｺﾞ.
        if (IsVoicedMark(typed[length])) {
            continue;
        }
        if (!MatchesReading(PrepareReadingQuery(typed.substr(0, length)), face, tag)) {
            return false;
        }
    }
    return true;
}

const FuzzTarget FuzzTargets[7] = {
    {"face_file", CheckFaceFileText},
    {"filter_file", CheckFilterFileText},
    {"setting_values", CheckSettingValues},
    {"face_filter", CheckFaceFilter},
    {"list_encoding", CheckListEncoding},
    {"ini_text", CheckIniText},
    {"reading_match", CheckReadingMatch},
};

void RequireProperty(bool holds)
{
    if (!holds) {
        std::abort();
    }
}
