#include "paste/clipboard_copy.h"

#include <cstring>
#include <string>

namespace {

const int NoConversion = 0;
const int FullToHalfWidth = 1;
const int HalfToFullWidth = 2;

// The converted text is measured first: full-width text may need twice the bytes.
std::string ConvertWidth(const std::string& text, int conversion)
{
    DWORD flags = conversion == FullToHalfWidth   ? LCMAP_HALFWIDTH
                  : conversion == HalfToFullWidth ? LCMAP_FULLWIDTH
                                                  : NoConversion;
    if (flags == NoConversion || text.empty()) {
        return text;
    }
    LCID locale = GetSystemDefaultLCID();
    int length = static_cast<int>(text.size());
    int needed = LCMapStringA(locale, flags, text.data(), length, nullptr, 0);
    if (needed <= 0) {
        return text;
    }
    std::string converted(static_cast<std::size_t>(needed), '\0');
    int written = LCMapStringA(locale, flags, text.data(), length, &converted[0], needed);
    if (written <= 0) {
        return text;
    }
    converted.resize(static_cast<std::size_t>(written));
    return converted;
}

// The clipboard takes only movable memory; a fixed block of more than a few hundred bytes is
// silently dropped on some systems. The text keeps the entry's own bytes; a second NUL after it
// ends the text also for a reader that pairs a last lone lead byte with the first NUL.
bool PlaceOnClipboard(const std::string& text)
{
    const std::size_t terminators = 2;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + terminators);
    void* bytes = block != nullptr ? GlobalLock(block) : nullptr;
    if (bytes == nullptr) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(bytes, text.data(), text.size());
    GlobalUnlock(block);
    EmptyClipboard();
    if (SetClipboardData(CF_TEXT, block) == nullptr) {
        GlobalFree(block);
        return false;
    }
    return true;
}

} // namespace

void CopyToClipboard(HWND owner, const std::string& text, int widthConversion, bool lineBreak)
{
    if (!OpenClipboard(owner)) {
        return;
    }
    std::string placed = ConvertWidth(text, widthConversion);
    if (lineBreak) {
        placed += "\r\n";
    }
    PlaceOnClipboard(placed);
    CloseClipboard();
}
