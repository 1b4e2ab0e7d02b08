#include "shell/wide_text.h"

#include <windows.h>

namespace {

const UINT ShiftJis = 932;

// Every byte gives at most one UTF-16 unit in Shift-JIS and UTF-8, so one call fills the text.
void WideInto(UINT codePage, const char* bytes, std::size_t length, std::wstring& text)
{
    text.resize(length);
    int units = length == 0 ? 0
                            : MultiByteToWideChar(codePage, 0, bytes, static_cast<int>(length),
                                                  &text[0], static_cast<int>(length));
    text.resize(static_cast<std::size_t>(units > 0 ? units : 0));
}

std::wstring WideFrom(UINT codePage, const std::string& bytes)
{
    std::wstring text;
    WideInto(codePage, bytes.data(), bytes.size(), text);
    return text;
}

std::string BytesFrom(UINT codePage, const std::wstring& text)
{
    int length = static_cast<int>(text.size());
    int needed = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
    if (needed > 0) {
        WideCharToMultiByte(codePage, 0, text.data(), length, &bytes[0], needed, nullptr, nullptr);
    }
    return bytes;
}

} // namespace

std::wstring WideFromShiftJis(const std::string& bytes)
{
    return WideFrom(ShiftJis, bytes);
}

std::string ShiftJisFromWide(const std::wstring& text)
{
    return BytesFrom(ShiftJis, text);
}

void WideFromShiftJisInto(const char* bytes, std::size_t length, std::wstring& text)
{
    WideInto(ShiftJis, bytes, length, text);
}

void WideFromUtf8Into(const char* bytes, std::size_t length, std::wstring& text)
{
    WideInto(CP_UTF8, bytes, length, text);
}

bool FitsShiftJis(const std::wstring& text)
{
    return WideFromShiftJis(ShiftJisFromWide(text)) == text;
}

bool IsWholeShiftJis(const std::string& bytes)
{
    return bytes.empty() || MultiByteToWideChar(ShiftJis, MB_ERR_INVALID_CHARS, bytes.data(),
                                                static_cast<int>(bytes.size()), nullptr, 0) > 0;
}

std::wstring WideFromUtf8(const std::string& bytes)
{
    return WideFrom(CP_UTF8, bytes);
}

std::string Utf8FromWide(const std::wstring& text)
{
    return BytesFrom(CP_UTF8, text);
}

bool SystemCodePageIsShiftJis()
{
    return GetACP() == ShiftJis;
}
