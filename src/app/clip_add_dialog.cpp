#include "app/clip_add_dialog.h"

#include <cstring>
#include <string>

#include "app/clip_add_counter.h"
#include "app/modal_guard.h"
#include "resource.h"
#include "shell/process_state.h"
#include "store/face_adding.h"
#include "store/face_lists.h"
#include "store/one_line_entry.h"
#include "view/complete_text.h"
#include "view/edit_mode.h"
#include "view/picker_fill.h"
#include "view/window_text.h"

namespace {

// The entry the clipboard offers, and the box's text right after it went in: while the box still
// reads the same, the entry keeps its own bytes, which the system's text conversion might not
// give back exactly (a lone lead byte, an invalid second byte).
std::string OfferedEntry;
std::string OfferedText;

// The clipboard's text, whole; empty when there is none. The data need not end in a NUL, so
// the text ends at the first NUL or at the end of the block, whichever comes first.
std::string ClipboardText(HWND owner)
{
    std::string text;
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(owner)) {
        return text;
    }
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* bytes = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (bytes != nullptr) {
        std::size_t size = GlobalSize(data);
        const void* end = std::memchr(bytes, '\0', size);
        text.assign(bytes, end != nullptr ? static_cast<const char*>(end) : bytes + size);
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// In edit mode the rows are the working copy: they are taken into the lists first and shown
// again with the new entry, so that neither the user's changes nor the new face are lost.
void AddFace(const std::string& face)
{
    ReadBackEditList();
    if (!AddFaceAtTop(FaceList, TagList, face)) {
        return;
    }
    RefreshPicker();
    if (EditMode) {
        FillEditListView();
    }
    UpdateTitleCounter(PickerWindow);
}

std::string TextToAdd(HWND dialog)
{
    std::string text = WindowText(GetDlgItem(dialog, IDC_CLIP_ADD_TEXT));
    return text == OfferedText ? OfferedEntry : OneLineEntry(text);
}

void ShowLength(HWND dialog)
{
    SetDlgItemTextA(dialog, IDC_CLIP_ADD_COUNTER, ClipAddCounterText(TextToAdd(dialog)).c_str());
}

void OnInitDialog(HWND dialog)
{
    HWND edit = GetDlgItem(dialog, IDC_CLIP_ADD_TEXT);
    // Entries may be of any length, so the box takes as much as the user types or pastes.
    SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    OfferedEntry = OneLineEntry(ClipboardText(PickerWindow));
    SetWindowTextA(edit, CompleteText(OfferedEntry).c_str());
    OfferedText = WindowText(edit);
    ShowLength(dialog);
}

// An empty entry would be an invisible line that the next start drops: the user is told and may
// type one or cancel.
void OnAdd(HWND dialog)
{
    std::string face = TextToAdd(dialog);
    if (face.empty()) {
        MessageBoxA(dialog, "追加する顔文字がありません。", "クリップボードから追加",
                    MB_OK | MB_ICONINFORMATION);
        return;
    }
    AddFace(face);
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
