#include "app/choice.h"

#include <string>

#include "paste/clipboard_copy.h"
#include "paste/paste_keystroke.h"
#include "paste/target_integrity.h"
#include "settings/settings_record.h"
#include "shell/process_state.h"
#include "store/face_lists.h"
#include "store/face_store.h"
#include "store/move_to_top.h"
#include "view/combo_items.h"
#include "view/entry_text.h"
#include "view/picker_controls.h"
#include "view/picker_fill.h"

namespace {

// The chosen filter goes into the edit field first: when the choice is reported the field
// still holds the previous text.
void ApplyChosenFilter()
{
    LRESULT index = SendMessageW(FilterCombo, CB_GETCURSEL, 0, 0);
    if (index < 0) {
        return;
    }
    SetWindowTextW(FilterCombo, ShownFilter(ComboItemText(FilterCombo, index)).c_str());
    RefreshPicker();
}

// Pasting after a failed copy would paste whatever the clipboard held before: false, with a
// beep, when the copy failed.
bool CopyFace(HWND owner, const std::string& face)
{
    bool shiftJis = FaceListEncoding() == TextEncoding::ShiftJis;
    if (!CopyToClipboard(owner, ShownEntry(face), shiftJis ? &face : nullptr, Settings.Char,
                         Settings.Return == 1)) {
        MessageBeep(MB_ICONWARNING);
        return false;
    }
    return true;
}

void CopyAndPaste(HWND combo, const std::string& face)
{
    if (CopyFace(combo, face) && AutoPasteArmed) {
        PasteInto(PasteTarget, PickerWindow, Settings.PasteTime, Settings.PasteKey);
    }
}

// The user goes on typing where the pop-up was opened: the paste leaves the target in front.
bool CopyAndPasteFromPopup(HWND popup, const std::string& face, HWND target)
{
    if (!CopyFace(popup, face) || !AutoPasteArmed) {
        return false;
    }
    if (PasteRouteInto(target) == PasteRoute::ClipboardOnly) {
        return true;
    }
    PasteInto(target, target, Settings.PasteTime, Settings.PasteKey);
    return false;
}

void ChooseFromFaceCombo()
{
    LRESULT shown = SendMessageW(FaceCombo, CB_GETCURSEL, 0, 0);
    if (shown < 0) {
        return;
    }
    std::string face = ComboItemText(FaceCombo, shown);
    MoveShownFaceToTop(static_cast<std::size_t>(shown), Settings.TopMove != 0);
    CopyAndPaste(FaceCombo, face);
}

} // namespace

// Everything a choice needs is read before the paste waits for its target. While it waits, the
// picker answers messages sent to it; ChoiceInProgress keeps the hover timer, the hotkey's
// pop-up and a second choice from acting on a choice half made.
void OnChoice(HWND combo)
{
    if (combo == FilterCombo) {
        ApplyChosenFilter();
        return;
    }
    if (ChoiceInProgress) {
        return;
    }
    ChoiceInProgress = 1;
    if (combo == FaceCombo) {
        ChooseFromFaceCombo();
    }
    ChoiceInProgress = 0;
}

// FaceCombo, which the hotkey left unfiltered, follows the choice after the paste. Under the
// pop-up's filter the first equal emoticon moves, whatever TopMove says, as under the picker's.
bool OnPopupChoice(HWND popup, const std::string& face, std::size_t index, bool filtered,
                   HWND target)
{
    if (ChoiceInProgress) {
        return false;
    }
    ChoiceInProgress = 1;
    bool leftToUser = CopyAndPasteFromPopup(popup, face, target);
    long entry = filtered ? FindFirstEqualFace(FaceList, face) : static_cast<long>(index);
    if (entry >= 0) {
        FillComboThrough(FaceCombo, entry);
        SendMessageW(FaceCombo, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
        MoveFaceToTop(static_cast<std::size_t>(entry), filtered || Settings.TopMove != 0);
    }
    ChoiceInProgress = 0;
    return leftToUser;
}
