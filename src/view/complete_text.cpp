#include "view/complete_text.h"

bool EndsInHalfCharacter(const char* text, std::size_t length)
{
    std::size_t i = 0;
    while (i + 1 < length) {
        i += IsShiftJisLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    }
    return i + 1 == length && IsShiftJisLeadByte(static_cast<unsigned char>(text[i]));
}

std::string CompleteText(const std::string& entry)
{
    std::string text(entry.c_str());
    if (EndsInHalfCharacter(text.c_str(), text.size())) {
        text.back() = '?';
    }
    return text;
}
