#pragma once
// The program's byte strings and the system's UTF-16. Shift-JIS is always code page 932, named
// as such, whatever code page the system runs with.
#include <string>

std::wstring WideFromShiftJis(const std::string& bytes);
// Characters Shift-JIS has no place for become '?'.
std::string ShiftJisFromWide(const std::wstring& text);
// The same into a buffer the caller keeps, so a long list's fill reuses one for every item.
void WideFromShiftJisInto(const char* bytes, std::size_t length, std::wstring& text);
void WideFromUtf8Into(const char* bytes, std::size_t length, std::wstring& text);
// True when Shift-JIS holds the text exactly: encoded and decoded again it comes back the same,
// so no character became '?' or a look-alike (〜 U+301C comes back as ～ U+FF5E).
bool FitsShiftJis(const std::wstring& text);
// True when every byte belongs to a character code page 932 defines: no lone lead byte, no pair
// without a character.
bool IsWholeShiftJis(const std::string& bytes);

// True when the system's code page, that of the clipboard's ANSI text (CF_TEXT), is Shift-JIS.
bool SystemCodePageIsShiftJis();

// UTF-8 as the lists hold it; bytes that form no character show as U+FFFD.
std::wstring WideFromUtf8(const std::string& bytes);
std::string Utf8FromWide(const std::wstring& text);
