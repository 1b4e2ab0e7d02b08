#include "app/clip_add_dialog.h"

#include <string>

#include "app/clip_add_counter.h"
#include "app/modal_guard.h"
#include "resource.h"
#include "shell/process_state.h"
#include "shell/wide_text.h"
#include "store/face_adding.h"
#include "store/face_store.h"
#include "store/face_lists.h"
#include "store/one_line_entry.h"
#include "view/entry_fitting.h"
#include "view/entry_text.h"
#include "view/edit_mode.h"
#include "view/window_text.h"

namespace {

// The bytes the clipboard offers a Shift-JIS list as ANSI text, as one line, and the box's text
// right after they went in: while the box still reads the same, the entry keeps those bytes,
// which the text conversion might not give back exactly (a lone lead byte, an invalid second
// byte). Empty when the clipboard offered characters.
std::string OfferedEntry;
std::wstring OfferedText;

// The text format the clipboard's owner placed, which the system lists before those it makes
// from it; 0 when there is no text.
UINT PlacedTextFormat()
{
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
        if (format == CF_TEXT || format == CF_UNICODETEXT) {
            return format;
        }
    }
    return 0;
}

// The clipboard's text in the format given, whole, up to its first NUL or the end of the block.
template <typename Unit>
std::basic_string<Unit> TextOf(UINT format)
{
    std::basic_string<Unit> text;
    HANDLE data = GetClipboardData(format);
    const Unit* units = data != nullptr ? static_cast<const Unit*>(GlobalLock(data)) : nullptr;
    if (units != nullptr) {
        std::size_t size = GlobalSize(data) / sizeof(Unit);
        std::size_t length = 0;
        while (length < size && units[length] != 0) {
            ++length;
        }
        text.assign(units, length);
        GlobalUnlock(data);
    }
    return text;
}

// The clipboard's text. Placed as ANSI text for a Shift-JIS list where the system's code page is
// Shift-JIS too, its bytes are taken as they are; otherwise its characters, which the system
// makes from ANSI text through its own code page.
void TakeClipboardText(HWND owner, std::string& bytes, std::wstring& text)
{
    if (!OpenClipboard(owner)) {
        return;
    }
    UINT format = PlacedTextFormat();
    if (format == CF_TEXT && FaceListEncoding() == TextEncoding::ShiftJis &&
        SystemCodePageIsShiftJis()) {
        bytes = TextOf<char>(CF_TEXT);
    } else if (format != 0) {
        text = TextOf<wchar_t>(CF_UNICODETEXT);
    }
    CloseClipboard();
}

std::wstring OneLineText(const std::wstring& text)
{
    return WideFromUtf8(OneLineEntry(Utf8FromWide(text)));
}

// In edit mode the rows are the working copy: they are taken into the lists first and shown
// again with the new entry, so that neither the user's changes nor the new face are lost.
void AddFace(const std::string& face)
{
    ReadBackEditList();
    if (!AddFaceAtTop(FaceList, TagList, face)) {
        return;
    }
    NoteFaceListsChanged();
    ShowChangedLists();
}

std::wstring BoxText(HWND dialog)
{
    return WindowText(GetDlgItem(dialog, IDC_CLIP_ADD_TEXT));
}

bool OfferedBytesStand(const std::wstring& boxText)
{
    return !OfferedEntry.empty() && boxText == OfferedText;
}

// Counted in the list's columns: Shift-JIS bytes while Shift-JIS holds the text.
void ShowLength(HWND dialog)
{
    std::wstring boxText = BoxText(dialog);
    std::string counter;
    if (OfferedBytesStand(boxText)) {
        counter = ClipAddCounterText(OfferedEntry, TextEncoding::ShiftJis);
    } else {
        std::wstring line = OneLineText(boxText);
        counter = FitsShiftJis(line) ? ClipAddCounterText(ShiftJisFromWide(line), TextEncoding::ShiftJis)
                                     : ClipAddCounterText(Utf8FromWide(line), TextEncoding::Utf8);
    }
    SetDlgItemTextW(dialog, IDC_CLIP_ADD_COUNTER, WideFromShiftJis(counter).c_str());
}

void OnInitDialog(HWND dialog)
{
    HWND edit = GetDlgItem(dialog, IDC_CLIP_ADD_TEXT);
    // Entries may be of any length, so the box takes as much as the user types or pastes.
    SendMessageW(edit, EM_LIMITTEXT, 0, 0);
    std::string bytes;
    std::wstring text;
    TakeClipboardText(PickerWindow, bytes, text);
    OfferedEntry = OneLineEntry(bytes);
    SetWindowTextW(edit, OfferedEntry.empty() ? OneLineText(text).c_str()
                                              : ShownEntry(OfferedEntry).c_str());
    OfferedText = WindowText(edit);
    ShowLength(dialog);
}

// An empty entry would be an invisible line that the next start drops: the user is told and may
// type one or cancel.
void OnAdd(HWND dialog)
{
    std::wstring boxText = BoxText(dialog);
    std::wstring line = OneLineText(boxText);
    if (!OfferedBytesStand(boxText) && line.empty()) {
        MessageBoxW(dialog, L"追加する顔文字がありません。", L"クリップボードから追加",
                    MB_OK | MB_ICONINFORMATION);
        return;
    }
    AddFace(OfferedBytesStand(boxText) ? OfferedEntry : EntryForFaceList(line));
    EndDialog(dialog, IDOK);
}

void OnDialogCommand(HWND dialog, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDC_CLIP_ADD_TEXT: ShowLength(dialog); break;
    case IDOK: OnAdd(dialog); break;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
    }
}

INT_PTR CALLBACK ClipAddDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: OnInitDialog(dialog); break;
    case WM_COMMAND: OnDialogCommand(dialog, wParam); break;
    }
    return FALSE;
}

} // namespace

void ShowClipAddDialog()
{
    ModalGuard(ClipAddOpen, IDD_CLIP_ADD, ClipAddDialog);
}
