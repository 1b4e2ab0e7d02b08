#include "view/entry_text.h"

#include "shell/wide_text.h"
#include "store/face_store.h"
#include "view/complete_text.h"

namespace {

bool HeldAsUtf8(TextEncoding encoding)
{
    return encoding != TextEncoding::ShiftJis;
}

std::wstring Shown(const std::string& bytes, TextEncoding encoding)
{
    return HeldAsUtf8(encoding) ? WideFromUtf8(bytes.c_str()) : WideFromShiftJis(CompleteText(bytes));
}

} // namespace

std::wstring ShownEntry(const std::string& entry)
{
    return Shown(entry, FaceListEncoding());
}

std::wstring ShownFilter(const std::string& filter)
{
    return Shown(filter, FilterListEncoding());
}

std::string EntryFromShown(const std::wstring& text)
{
    return HeldAsUtf8(FaceListEncoding()) ? Utf8FromWide(text) : ShiftJisFromWide(text);
}

bool FitsFaceList(const std::wstring& text)
{
    return HeldAsUtf8(FaceListEncoding()) || FitsShiftJis(text);
}
