#include "store/move_to_top.h"

#include <algorithm>
#include <cstring>

void MoveEntryToTop(TextList& faces, TextList& tags, std::size_t index)
{
    if (index >= faces.size() || index >= tags.size()) {
        return;
    }
    std::rotate(faces.begin(), faces.begin() + static_cast<long>(index),
                faces.begin() + static_cast<long>(index) + 1);
    std::rotate(tags.begin(), tags.begin() + static_cast<long>(index),
                tags.begin() + static_cast<long>(index) + 1);
}

long FindFirstEqualFace(const TextList& faces, const std::string& face)
{
    for (std::size_t i = 0; i < faces.size(); ++i) {
        if (std::strcmp(faces[i].c_str(), face.c_str()) == 0) {
            return static_cast<long>(i);
        }
    }
    return -1;
}
