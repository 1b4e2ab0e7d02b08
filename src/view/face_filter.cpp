#include "view/face_filter.h"

#include <cstring>

void FilterFaces(const std::vector<std::string>& faces, const std::vector<std::string>& tags,
                 const char* filterText, std::vector<std::string>& shownFaces,
                 std::vector<std::string>& shownTags)
{
    shownFaces.clear();
    shownTags.clear();
    const char* needle = filterText ? filterText : "";
    static const std::string noTag;
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const std::string& tag = i < tags.size() ? tags[i] : noTag;
        // The tag is searched only when the face itself does not match.
        if (std::strstr(faces[i].c_str(), needle) || std::strstr(tag.c_str(), needle)) {
            shownFaces.push_back(faces[i]);
            shownTags.push_back(tag);
        }
    }
}
