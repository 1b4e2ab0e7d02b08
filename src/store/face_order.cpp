#include "store/face_order.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "store/face_file.h"

namespace {

std::vector<std::string> CombinedLines(const TextList& faces, const TextList& tags)
{
    std::vector<std::string> lines;
    lines.reserve(faces.size());
    for (std::size_t i = 0; i < faces.size(); ++i) {
        std::string line;
        line.reserve(tags[i].size() + 1 + faces[i].size());
        line += tags[i];
        line += '\t';
        line += faces[i];
        lines.push_back(std::move(line));
    }
    return lines;
}

void ClearForCount(TextList& faces, TextList& tags, std::size_t count)
{
    faces.clear();
    tags.clear();
    faces.reserve(count);
    tags.reserve(count);
}

} // namespace

void SortEntries(TextList& faces, TextList& tags)
{
    std::vector<std::string> lines = CombinedLines(faces, tags);
    // std::string compares its bytes as unsigned char, shorter prefix first: plain byte order.
    std::sort(lines.begin(), lines.end());
    ClearForCount(faces, tags, lines.size());
    for (std::string& line : lines) {
        AppendEntryLine(std::move(line), faces, tags);
    }
}

void RemoveDuplicateEntries(TextList& faces, TextList& tags)
{
    const std::vector<std::string> lines = CombinedLines(faces, tags);
    std::unordered_set<std::string_view> seen;
    seen.reserve(lines.size());
    ClearForCount(faces, tags, lines.size());
    for (const std::string& line : lines) {
        if (seen.insert(line).second) {
            AppendEntryLine(line, faces, tags);
        }
    }
}
