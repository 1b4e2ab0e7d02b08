#include "shell/wide_text.h"

#include <windows.h>

namespace {

const UINT ShiftJis = 932;

std::wstring WideFrom(UINT codePage, const std::string& bytes)
{
    int length = static_cast<int>(bytes.size());
    int needed = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(needed > 0 ? needed : 0), L'\0');
    if (needed > 0) {
        MultiByteToWideChar(codePage, 0, bytes.data(), length, &text[0], needed);
    }
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

bool FitsShiftJis(const std::wstring& text)
{
    return WideFromShiftJis(ShiftJisFromWide(text)) == text;
}

std::wstring WideFromUtf8(const std::string& bytes)
{
    return WideFrom(CP_UTF8, bytes);
}

std::string Utf8FromWide(const std::wstring& text)
{
    return BytesFrom(CP_UTF8, text);
}
