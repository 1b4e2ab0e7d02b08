#include "app/choice.h"

#include <string>

#include "paste/clipboard_copy.h"
#include "paste/paste_keystroke.h"
#include "settings/settings_record.h"
#include "shell/process_state.h"
#include "store/face_store.h"
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

void CopyAndPaste(HWND combo, const std::string& face)
{
    bool shiftJis = FaceListEncoding() == TextEncoding::ShiftJis;
    // Pasting after a failed copy would paste whatever the clipboard held before.
    if (!CopyToClipboard(combo, ShownEntry(face), shiftJis ? &face : nullptr, Settings.Char,
                         Settings.Return == 1)) {
        MessageBeep(MB_ICONWARNING);
        return;
    }
    if (AutoPasteArmed) {
        PasteInto(PasteTarget, PickerWindow, Settings.PasteTime, Settings.PasteKey);
    }
}

// The pop-up's items are FaceList's; FaceCombo, which the hotkey left unfiltered, follows the
// choice once the paste has given the picker the foreground back.
void ChooseFromPopup()
{
    LRESULT index = SendMessageW(PopupCombo, CB_GETCURSEL, 0, 0);
    if (index < 0) {
        ShowWindow(PopupCombo, SW_HIDE);
        return;
    }
    CopyAndPaste(PopupCombo, ComboItemText(PopupCombo, index));
    FillComboThrough(FaceCombo, index);
    SendMessageW(FaceCombo, CB_SETCURSEL, index, 0);
    ShowWindow(PopupCombo, SW_HIDE);
    MoveFaceToTop(static_cast<std::size_t>(index), Settings.TopMove != 0);
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
    if (combo == PopupCombo) {
        ChooseFromPopup();
    } else if (combo == FaceCombo) {
        ChooseFromFaceCombo();
    }
    ChoiceInProgress = 0;
}
