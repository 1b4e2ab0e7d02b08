#include "store/face_adding.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

bool AddFaceAtTop(TextList& faces, TextList& tags, const std::string& face)
{
    if (std::find(faces.begin(), faces.end(), face) != faces.end()) {
        return false;
    }
    faces.insert(faces.begin(), face);
    tags.insert(tags.begin(), std::string());
    return true;
}

std::size_t AppendMissingFaces(TextList& faces, TextList& tags, const TextList& newFaces,
                               const TextList& newTags)
{
    // Room for every entry first: the set looks at the list's own strings, which must not move.
    faces.reserve(faces.size() + newFaces.size());
    tags.reserve(tags.size() + newFaces.size());
    std::unordered_set<std::string_view> held(faces.begin(), faces.end());
    std::size_t added = 0;
    for (std::size_t i = 0; i < newFaces.size(); ++i) {
        if (held.count(newFaces[i]) != 0) {
            continue;
        }
        faces.push_back(newFaces[i]);
        tags.push_back(newTags[i]);
        held.insert(faces.back());
        ++added;
    }
    return added;
}
