#include "paste/clipboard_copy.h"

#include <cstring>
#include <string>

#include "settings/settings_record.h"

namespace {

const int NoConversion = 0;
const int FullToHalfWidth = 1;
const int HalfToFullWidth = 2;

std::string SelectedItemText(HWND combo)
{
    LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (index < 0) {
        return {};
    }
    LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, index, 0);
    if (length < 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(std::strlen(text.c_str()));
    return text;
}

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

bool PlaceOnClipboard(const std::string& text)
{
    HGLOBAL block = GlobalAlloc(GMEM_FIXED, text.size() + 1);
    if (block == nullptr) {
        return false;
    }
    std::memcpy(block, text.c_str(), text.size() + 1);
    EmptyClipboard();
    if (SetClipboardData(CF_TEXT, block) == nullptr) {
        GlobalFree(block);
        return false;
    }
    return true;
}

} // namespace

void CopyChoiceToClipboard(HWND combo)
{
    if (SendMessageA(combo, CB_GETCURSEL, 0, 0) < 0) {
        return;
    }
    std::string text = SelectedItemText(combo);
    if (!OpenClipboard(combo)) {
        return;
    }
    text = ConvertWidth(text, Settings.Char);
    if (Settings.Return == 1) {
        text += "\r\n";
    }
    PlaceOnClipboard(text);
    CloseClipboard();
}
