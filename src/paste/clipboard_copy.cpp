#include "paste/clipboard_copy.h"

#include <cstring>

#include "shell/wide_text.h"

namespace {

// Another program (a clipboard viewer, the system's bridge to other clipboards) may hold the
// clipboard open for a moment.
const int OpenAttempts = 10;
const DWORD OpenRetryMs = 20;

const int NoConversion = 0;
const int FullToHalfWidth = 1;
const int HalfToFullWidth = 2;

// The converted text is measured first: full-width text may need more room.
std::wstring ConvertWidth(const std::wstring& text, int conversion)
{
    DWORD flags = conversion == FullToHalfWidth   ? LCMAP_HALFWIDTH
                  : conversion == HalfToFullWidth ? LCMAP_FULLWIDTH
                                                  : NoConversion;
    if (flags == NoConversion || text.empty()) {
        return text;
    }
    LCID locale = MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), SORT_DEFAULT);
    int length = static_cast<int>(text.size());
    int needed = LCMapStringW(locale, flags, text.data(), length, nullptr, 0);
    if (needed <= 0) {
        return text;
    }
    std::wstring converted(static_cast<std::size_t>(needed), L'\0');
    int written = LCMapStringW(locale, flags, text.data(), length, &converted[0], needed);
    if (written <= 0) {
        return text;
    }
    converted.resize(static_cast<std::size_t>(written));
    return converted;
}

// The clipboard takes only movable memory; a fixed block of more than a few hundred bytes is
// silently dropped on some systems. Two terminators end the text also for a reader that pairs a
// last lone lead byte with the first NUL.
bool PlaceOnClipboard(UINT format, const void* data, std::size_t size, std::size_t unit)
{
    const std::size_t terminators = 2;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size + terminators * unit);
    void* bytes = block != nullptr ? GlobalLock(block) : nullptr;
    if (bytes == nullptr) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(bytes, data, size);
    GlobalUnlock(block);
    if (SetClipboardData(format, block) == nullptr) {
        GlobalFree(block);
        return false;
    }
    return true;
}

bool OpenClipboardSoon(HWND owner)
{
    for (int attempt = 1; attempt < OpenAttempts; ++attempt) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(OpenRetryMs);
    }
    return OpenClipboard(owner) != 0;
}

} // namespace

bool CopyToClipboard(HWND owner, const std::wstring& characters, const std::string* shiftJisBytes,
                     int widthConversion, bool lineBreak)
{
    if (!OpenClipboardSoon(owner)) {
        return false;
    }
    EmptyClipboard();
    std::wstring placed = ConvertWidth(characters, widthConversion);
    // ANSI text is in the system's code page: under another one Windows makes it from the
    // characters.
    if (!SystemCodePageIsShiftJis()) {
        shiftJisBytes = nullptr;
    }
    std::string bytes;
    if (shiftJisBytes != nullptr) {
        bytes = widthConversion == NoConversion ? *shiftJisBytes : ShiftJisFromWide(placed);
    }
    if (lineBreak) {
        placed += L"\r\n";
        bytes += "\r\n";
    }
    bool copied = PlaceOnClipboard(CF_UNICODETEXT, placed.data(),
                                   placed.size() * sizeof(wchar_t), sizeof(wchar_t));
    if (shiftJisBytes != nullptr) {
        copied = PlaceOnClipboard(CF_TEXT, bytes.data(), bytes.size(), 1) && copied;
    }
    CloseClipboard();
    return copied;
}
