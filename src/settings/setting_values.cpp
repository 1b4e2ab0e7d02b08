#include "settings/setting_values.h"

#include <climits>
#include <cstring>

#include "store/text_encoding.h"

// The white space of isspace in the "C" locale, spelled out so that no locale can change it.
static bool IsSettingSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int ParseSettingInt(const char* text)
{
    if (!text)
        return 0;
    const char* p = text;
    while (IsSettingSpace(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    // The magnitude is held in 64 bits and stops at the limit of its sign, so neither the
    // accumulation nor the final negation can overflow.
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    while (*p >= '0' && *p <= '9' && magnitude < limit) {
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > limit)
            magnitude = limit;
        ++p;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int SettingOnIfNonZero(const char* text)
{
    return ParseSettingInt(text) != 0 ? 1 : 0;
}

int SettingOnIfOne(const char* text)
{
    return ParseSettingInt(text) == 1 ? 1 : 0;
}

int MultiplyDivideRounded(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    long long product = static_cast<long long>(number) * numerator;
    long long divisor = denominator;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const long long half = divisor / 2;
    const long long result = product >= 0 ? (product + half) / divisor : (product - half) / divisor;
    if (result > INT_MAX || result < -INT_MAX)
        return -1;
    return static_cast<int>(result);
}

// Copies at most 31 bytes of source, whole characters only: a Shift-JIS lead byte whose trail
// byte is cut off here, or was already missing (the INI read cuts values to 31 bytes), is left
// out. A lead byte right before the terminating zero would make code that walks the name
// character by character step over the terminator.
void CopyFaceName(char (&faceName)[32], const char* source)
{
    std::memset(faceName, 0, sizeof faceName);
    if (!source)
        return;
    const std::size_t capacity = sizeof faceName - 1;
    std::size_t length = 0;
    while (length < capacity && source[length] != '\0') {
        if (!IsShiftJisLeadByte(static_cast<unsigned char>(source[length]))) {
            ++length;
            continue;
        }
        if (length + 2 > capacity || source[length + 1] == '\0')
            break;
        length += 2;
    }
    std::memcpy(faceName, source, length);
}

PickerFontRecord MakePickerFontRecord(int fontSize, int dpiY, int fontStyle,
                                      const char* fontName)
{
    PickerFontRecord record{};
    // MulDiv's result is never INT_MIN, so the negation is always defined.
    record.height = -MultiplyDivideRounded(fontSize, dpiY, 72);
    const bool bold = fontStyle == 2 || fontStyle == 3;
    const bool italic = fontStyle == 1 || fontStyle == 3;
    record.weight = bold ? 700 : 400;
    record.italic = italic ? 1 : 0;
    CopyFaceName(record.faceName, fontName);
    return record;
}
