#include "store/face_adding.h"

#include <algorithm>

bool AddFaceAtTop(TextList& faces, TextList& tags, const std::string& face)
{
    if (std::find(faces.begin(), faces.end(), face) != faces.end()) {
        return false;
    }
    faces.insert(faces.begin(), face);
    tags.insert(tags.begin(), std::string());
    return true;
}
