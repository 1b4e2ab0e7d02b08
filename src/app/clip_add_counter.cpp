#include "app/clip_add_counter.h"

namespace {

// The East Asian Wide and Fullwidth blocks a kaomoji draws from.
const char32_t WideRanges[][2] = {
    {0x1100, 0x115F},   {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},
    {0xFE30, 0xFE4F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x1F300, 0x1F64F},
    {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};

bool IsWide(char32_t character)
{
    for (const auto& range : WideRanges) {
        if (character >= range[0] && character <= range[1]) {
            return true;
        }
    }
    return false;
}

std::size_t ColumnsOf(const std::string& utf8)
{
    std::size_t columns = 0;
    for (std::size_t at = 0, length = 1; at < utf8.size(); at += length) {
        columns += IsWide(Utf8CharacterAt(utf8, at, length)) ? 2 : 1;
    }
    return columns;
}

} // namespace

std::string ClipAddCounterText(const std::string& text, TextEncoding encoding)
{
    std::size_t length = encoding == TextEncoding::ShiftJis ? text.size() : ColumnsOf(text);
    return "文字数 : " + std::to_string(length);
}
