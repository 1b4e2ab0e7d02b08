#include "view/entry_text.h"

#include <cstring>

#include "shell/wide_text.h"
#include "view/complete_text.h"

namespace {

bool HeldAsUtf8(TextEncoding encoding)
{
    return encoding != TextEncoding::ShiftJis;
}

} // namespace

// Controls read a text up to its first NUL.
void ShowEntryInto(const std::string& entry, TextEncoding encoding, std::wstring& shown)
{
    std::size_t length = std::strlen(entry.c_str());
    if (HeldAsUtf8(encoding)) {
        WideFromUtf8Into(entry.c_str(), length, shown);
        return;
    }
    if (!EndsInHalfCharacter(entry.c_str(), length)) {
        WideFromShiftJisInto(entry.c_str(), length, shown);
        return;
    }
    std::string complete = CompleteText(entry);
    WideFromShiftJisInto(complete.c_str(), complete.size(), shown);
}

std::wstring ShownEntry(const std::string& entry, TextEncoding encoding)
{
    std::wstring shown;
    ShowEntryInto(entry, encoding, shown);
    return shown;
}

std::string EntryFromShown(const std::wstring& text, TextEncoding encoding)
{
    return HeldAsUtf8(encoding) ? Utf8FromWide(text) : ShiftJisFromWide(text);
}

bool FitsFaceList(const std::wstring& text, TextEncoding encoding)
{
    return HeldAsUtf8(encoding) || FitsShiftJis(text);
}
