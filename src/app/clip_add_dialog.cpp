#include "app/clip_add_dialog.h"

#include <string>

#include "app/clip_add_counter.h"
#include "app/modal_guard.h"
#include "resource.h"
#include "shell/wide_text.h"
#include "store/face_adding.h"
#include "store/one_line_entry.h"
#include "view/entry_fitting.h"
#include "view/entry_text.h"
#include "view/edit_mode.h"
#include "view/window_text.h"

namespace {

// What the dialog works on, kept in its own slot from WM_INITDIALOG on. The bytes the clipboard
// offers a Shift-JIS list as ANSI text, as one line, and the box's text right after they went
// in: while the box still reads the same, the entry keeps those bytes, which the text
// conversion might not give back exactly (a lone lead byte, an invalid second byte). Empty when
// the clipboard offered characters.
struct ClipAddOffer {
    PickerState* state;
    std::string entry;
    std::wstring text;
};

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
void TakeClipboardText(HWND owner, TextEncoding encoding, std::string& bytes, std::wstring& text)
{
    if (!OpenClipboard(owner)) {
        return;
    }
    UINT format = PlacedTextFormat();
    if (format == CF_TEXT && encoding == TextEncoding::ShiftJis &&
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
void AddFace(PickerState& state, const std::string& face)
{
    ReadBackEditList(state.view, state.lists, state.settings, state.modes.EditMode);
    if (!AddFaceAtTop(state.lists.FaceList, state.lists.TagList, face)) {
        return;
    }
    NoteFaceListsChanged(state.lists);
    ShowChangedLists(state.view, state.lists, state.settings, state.modes.EditMode);
}

std::wstring BoxText(HWND dialog)
{
    return WindowText(GetDlgItem(dialog, IDC_CLIP_ADD_TEXT));
}

bool OfferedBytesStand(const ClipAddOffer& offer, const std::wstring& boxText)
{
    return !offer.entry.empty() && boxText == offer.text;
}

// Counted in the list's columns: Shift-JIS bytes while Shift-JIS holds the text.
void ShowLength(HWND dialog, const ClipAddOffer& offer)
{
    std::wstring boxText = BoxText(dialog);
    std::string counter;
    if (OfferedBytesStand(offer, boxText)) {
        counter = ClipAddCounterText(offer.entry, TextEncoding::ShiftJis);
    } else {
        std::wstring line = OneLineText(boxText);
        counter = FitsShiftJis(line) ? ClipAddCounterText(ShiftJisFromWide(line), TextEncoding::ShiftJis)
                                     : ClipAddCounterText(Utf8FromWide(line), TextEncoding::Utf8);
    }
    SetDlgItemTextW(dialog, IDC_CLIP_ADD_COUNTER, WideFromShiftJis(counter).c_str());
}

void OnInitDialog(HWND dialog, ClipAddOffer& offer)
{
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&offer));
    HWND edit = GetDlgItem(dialog, IDC_CLIP_ADD_TEXT);
    // Entries may be of any length, so the box takes as much as the user types or pastes.
    SendMessageW(edit, EM_LIMITTEXT, 0, 0);
    TextEncoding encoding = FaceListEncoding(offer.state->lists);
    std::string bytes;
    std::wstring text;
    TakeClipboardText(offer.state->view.PickerWindow, encoding, bytes, text);
    offer.entry = OneLineEntry(bytes);
    SetWindowTextW(edit, offer.entry.empty() ? OneLineText(text).c_str()
                                             : ShownEntry(offer.entry, encoding).c_str());
    offer.text = WindowText(edit);
    ShowLength(dialog, offer);
}

// An empty entry would be an invisible line that the next start drops: the user is told and may
// type one or cancel.
void OnAdd(HWND dialog, ClipAddOffer& offer)
{
    PickerState& state = *offer.state;
    std::wstring boxText = BoxText(dialog);
    std::wstring line = OneLineText(boxText);
    bool offeredBytes = OfferedBytesStand(offer, boxText);
    if (!offeredBytes && line.empty()) {
        MessageBoxW(dialog, L"追加する顔文字がありません。", L"クリップボードから追加",
                    MB_OK | MB_ICONINFORMATION);
        return;
    }
    AddFace(state, offeredBytes ? offer.entry
                                : EntryForFaceList(state.view, state.lists,
                                                   state.settings.ReadingSearch != 0, line));
    EndDialog(dialog, IDOK);
}

void OnDialogCommand(HWND dialog, WPARAM wParam)
{
    ClipAddOffer& offer = *reinterpret_cast<ClipAddOffer*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (LOWORD(wParam)) {
    case IDC_CLIP_ADD_TEXT: ShowLength(dialog, offer); break;
    case IDOK: OnAdd(dialog, offer); break;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
    }
}

INT_PTR CALLBACK ClipAddDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: OnInitDialog(dialog, *reinterpret_cast<ClipAddOffer*>(lParam)); break;
    case WM_COMMAND: OnDialogCommand(dialog, wParam); break;
    }
    return FALSE;
}

} // namespace

void ShowClipAddDialog(PickerState& state)
{
    ClipAddOffer offer = {&state, {}, {}};
    ModalGuard(state, state.modes.ClipAddOpen, IDD_CLIP_ADD, ClipAddDialog,
               reinterpret_cast<LPARAM>(&offer));
}
