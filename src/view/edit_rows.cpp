#include "view/edit_rows.h"

void InsertBlankEntry(TextList& faces, TextList& tags, std::size_t at)
{
    std::size_t index = at < faces.size() ? at : faces.size();
    faces.insert(faces.begin() + static_cast<std::ptrdiff_t>(index), std::string());
    tags.insert(tags.begin() + static_cast<std::ptrdiff_t>(index), std::string());
}

void DeleteEntries(TextList& faces, TextList& tags, const std::vector<std::size_t>& rows)
{
    std::size_t kept = 0;
    std::size_t next = 0;
    for (std::size_t row = 0; row < faces.size(); ++row) {
        while (next < rows.size() && rows[next] < row) {
            ++next;
        }
        if (next < rows.size() && rows[next] == row) {
            continue;
        }
        if (kept != row) {
            faces[kept] = std::move(faces[row]);
            tags[kept] = std::move(tags[row]);
        }
        ++kept;
    }
    faces.resize(kept);
    tags.resize(kept);
}
