#include "store/one_line_entry.h"

namespace {

bool IsLineEndByte(char byte)
{
    return byte == '\r' || byte == '\n';
}

} // namespace

std::string OneLineEntry(const std::string& text)
{
    std::string::size_type first = text.find_first_not_of("\r\n");
    if (first == std::string::npos) {
        return {};
    }
    std::string::size_type last = text.find_last_not_of("\r\n");
    std::string entry;
    entry.reserve(last - first + 1);
    for (std::string::size_type i = first; i <= last; ++i) {
        if (!IsLineEndByte(text[i])) {
            entry += text[i];
        } else if (!(text[i] == '\n' && text[i - 1] == '\r')) {
            entry += ' ';
        }
    }
    return entry;
}
