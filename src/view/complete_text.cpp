#include "view/complete_text.h"

bool IsShiftJisLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string CompleteText(const std::string& entry)
{
    std::string text(entry.c_str());
    std::string::size_type i = 0;
    while (i < text.size()) {
        if (!IsShiftJisLeadByte(static_cast<unsigned char>(text[i]))) {
            ++i;
        } else if (i + 1 < text.size()) {
            i += 2;
        } else {
            text[i] = '?';
            ++i;
        }
    }
    return text;
}
