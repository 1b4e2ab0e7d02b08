#include "store/move_to_top.h"

#include <algorithm>
#include <cstring>

namespace {

// Each string above moves down once; a rotation would swap them, which costs more.
void MoveToTop(TextList& list, std::size_t index)
{
    std::string moved = std::move(list[index]);
    std::move_backward(list.begin(), list.begin() + static_cast<long>(index),
                       list.begin() + static_cast<long>(index) + 1);
    list.front() = std::move(moved);
}

} // namespace

void MoveEntryToTop(TextList& faces, TextList& tags, std::size_t index)
{
    if (index >= faces.size() || index >= tags.size()) {
        return;
    }
    MoveToTop(faces, index);
    MoveToTop(tags, index);
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
