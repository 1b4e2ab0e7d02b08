#include "view/face_filter.h"

#include <cstring>

namespace {

// UTF-8 needs no care: no character's bytes appear inside another's. In Shift-JIS a second
// byte may be any ASCII character from '@' on, so a match is taken only where a character
// starts, found by walking the characters up to it.
bool ContainsWholeCharacters(const char* text, const char* needle, bool shiftJis)
{
    const char* found = std::strstr(text, needle);
    if (!shiftJis) {
        return found != nullptr;
    }
    const char* character = text;
    while (found) {
        while (character < found) {
            bool pair = IsShiftJisLeadByte(static_cast<unsigned char>(*character)) &&
                        character[1] != '\0';
            character += pair ? 2 : 1;
        }
        if (character == found) {
            return true;
        }
        found = std::strstr(character, needle);
    }
    return false;
}

} // namespace

void FilterFaces(const std::vector<std::string>& faces, const std::vector<std::string>& tags,
                 const char* filterText, TextEncoding encoding,
                 std::vector<std::string>& shownFaces, std::vector<std::string>& shownTags)
{
    shownFaces.clear();
    shownTags.clear();
    const char* needle = filterText ? filterText : "";
    const bool shiftJis = encoding == TextEncoding::ShiftJis;
    static const std::string noTag;
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const std::string& tag = i < tags.size() ? tags[i] : noTag;
        // The tag is searched only when the face itself does not match.
        if (ContainsWholeCharacters(faces[i].c_str(), needle, shiftJis) ||
            ContainsWholeCharacters(tag.c_str(), needle, shiftJis)) {
            shownFaces.push_back(faces[i]);
            shownTags.push_back(tag);
        }
    }
}
