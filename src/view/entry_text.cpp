#include "view/entry_text.h"

#include <cstring>

#include "shell/wide_text.h"
#include "store/face_store.h"
#include "view/complete_text.h"

namespace {

bool HeldAsUtf8(TextEncoding encoding)
{
    return encoding != TextEncoding::ShiftJis;
}

// Controls read a text up to its first NUL.
void ShowInto(const std::string& bytes, TextEncoding encoding, std::wstring& shown)
{
    std::size_t length = std::strlen(bytes.c_str());
    if (HeldAsUtf8(encoding)) {
        WideFromUtf8Into(bytes.c_str(), length, shown);
        return;
    }
    if (!EndsInHalfCharacter(bytes.c_str(), length)) {
        WideFromShiftJisInto(bytes.c_str(), length, shown);
        return;
    }
    std::string complete = CompleteText(bytes);
    WideFromShiftJisInto(complete.c_str(), complete.size(), shown);
}

} // namespace

void ShowEntryInto(const std::string& entry, std::wstring& shown)
{
    ShowInto(entry, FaceListEncoding(), shown);
}

void ShowFilterInto(const std::string& filter, std::wstring& shown)
{
    ShowInto(filter, FilterListEncoding(), shown);
}

std::wstring ShownEntry(const std::string& entry)
{
    std::wstring shown;
    ShowEntryInto(entry, shown);
    return shown;
}

std::wstring ShownFilter(const std::string& filter)
{
    std::wstring shown;
    ShowFilterInto(filter, shown);
    return shown;
}

std::string EntryFromShown(const std::wstring& text)
{
    return HeldAsUtf8(FaceListEncoding()) ? Utf8FromWide(text) : ShiftJisFromWide(text);
}

bool FitsFaceList(const std::wstring& text)
{
    return HeldAsUtf8(FaceListEncoding()) || FitsShiftJis(text);
}
