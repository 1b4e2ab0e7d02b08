#include "app/choice.h"

#include <string>

#include "paste/clipboard_copy.h"
#include "paste/paste_keystroke.h"
#include "paste/target_integrity.h"
#include "store/move_to_top.h"
#include "view/combo_items.h"
#include "view/entry_text.h"
#include "view/picker_fill.h"

namespace {

// The chosen filter goes into the edit field first: when the choice is reported the field
// still holds the previous text.
void ApplyChosenFilter(PickerView& view, const FaceLists& lists, const SettingsRecord& settings)
{
    LRESULT index = SendMessageW(view.FilterCombo, CB_GETCURSEL, 0, 0);
    if (index < 0) {
        return;
    }
    std::string filter = ComboItemText(view, lists, view.FilterCombo, index);
    SetWindowTextW(view.FilterCombo, ShownEntry(filter, FilterListEncoding(lists)).c_str());
    RefreshPicker(view, lists, settings.ReadingSearch != 0);
}

// Pasting after a failed copy would paste whatever the clipboard held before: false, with a
// beep, when the copy failed.
bool CopyFace(const PickerState& state, HWND owner, const std::string& face)
{
    const SettingsRecord& settings = state.settings;
    TextEncoding encoding = FaceListEncoding(state.lists);
    bool shiftJis = encoding == TextEncoding::ShiftJis;
    if (!CopyToClipboard(owner, ShownEntry(face, encoding), shiftJis ? &face : nullptr,
                         settings.Char, settings.Return == 1)) {
        MessageBeep(MB_ICONWARNING);
        return false;
    }
    return true;
}

void CopyAndPaste(const PickerState& state, HWND combo, const std::string& face)
{
    if (CopyFace(state, combo, face) && state.modes.AutoPasteArmed) {
        PasteInto(state.modes.PasteTarget, state.view.PickerWindow, state.settings.PasteTime,
                  state.settings.PasteKey);
    }
}

// The user goes on typing where the pop-up was opened: the paste leaves the target in front.
bool CopyAndPasteFromPopup(const PickerState& state, HWND popup, const std::string& face,
                           HWND target)
{
    if (!CopyFace(state, popup, face) || !state.modes.AutoPasteArmed) {
        return false;
    }
    if (PasteRouteInto(target) == PasteRoute::ClipboardOnly) {
        return true;
    }
    PasteInto(target, target, state.settings.PasteTime, state.settings.PasteKey);
    return false;
}

void ChooseFromFaceCombo(PickerState& state)
{
    PickerView& view = state.view;
    LRESULT shown = SendMessageW(view.FaceCombo, CB_GETCURSEL, 0, 0);
    if (shown < 0) {
        return;
    }
    std::string face = ComboItemText(view, state.lists, view.FaceCombo, shown);
    MoveShownFaceToTop(view, state.lists, static_cast<std::size_t>(shown),
                       state.settings.TopMove != 0);
    CopyAndPaste(state, view.FaceCombo, face);
}

} // namespace

// Everything a choice needs is read before the paste waits for its target. While it waits, the
// picker answers messages sent to it; ChoiceInProgress keeps the hover tick, the hotkey's
// pop-up and a second choice from acting on a choice half made.
void OnChoice(PickerState& state, HWND combo)
{
    if (combo == state.view.FilterCombo) {
        ApplyChosenFilter(state.view, state.lists, state.settings);
        return;
    }
    if (state.modes.ChoiceInProgress) {
        return;
    }
    state.modes.ChoiceInProgress = 1;
    if (combo == state.view.FaceCombo) {
        ChooseFromFaceCombo(state);
    }
    state.modes.ChoiceInProgress = 0;
}

// FaceCombo, which the hotkey left unfiltered, follows the choice after the paste. Under the
// pop-up's filter the first equal emoticon moves, whatever TopMove says, as under the picker's.
bool OnPopupChoice(PickerState& state, HWND popup, const std::string& face, std::size_t index,
                   HWND target)
{
    if (state.modes.ChoiceInProgress) {
        return false;
    }
    state.modes.ChoiceInProgress = 1;
    bool leftToUser = CopyAndPasteFromPopup(state, popup, face, target);
    bool filtered = state.popup.filtered;
    long entry = filtered ? FindFirstEqualFace(state.lists.FaceList, face) : static_cast<long>(index);
    if (entry >= 0) {
        PickerView& view = state.view;
        FillComboThrough(view, state.lists, view.FaceCombo, entry);
        SendMessageW(view.FaceCombo, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
        MoveFaceToTop(view, state.lists, static_cast<std::size_t>(entry),
                      filtered || state.settings.TopMove != 0);
    }
    state.modes.ChoiceInProgress = 0;
    return leftToUser;
}
