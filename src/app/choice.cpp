#include "app/choice.h"

#include <string>

#include "paste/clipboard_copy.h"
#include "paste/paste_keystroke.h"
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

void CopyAndPaste(const PickerState& state, HWND combo, const std::string& face)
{
    const SettingsRecord& settings = state.settings;
    TextEncoding encoding = FaceListEncoding(state.lists);
    bool shiftJis = encoding == TextEncoding::ShiftJis;
    // Pasting after a failed copy would paste whatever the clipboard held before.
    if (!CopyToClipboard(combo, ShownEntry(face, encoding), shiftJis ? &face : nullptr,
                         settings.Char, settings.Return == 1)) {
        MessageBeep(MB_ICONWARNING);
        return;
    }
    if (state.modes.AutoPasteArmed) {
        PasteInto(state.modes.PasteTarget, state.view.PickerWindow, settings.PasteTime,
                  settings.PasteKey);
    }
}

// The pop-up's items are FaceList's; FaceCombo, which the hotkey left unfiltered, follows the
// choice once the paste has given the picker the foreground back.
void ChooseFromPopup(PickerState& state)
{
    PickerView& view = state.view;
    LRESULT index = SendMessageW(view.PopupCombo, CB_GETCURSEL, 0, 0);
    if (index < 0) {
        ShowWindow(view.PopupCombo, SW_HIDE);
        return;
    }
    CopyAndPaste(state, view.PopupCombo, ComboItemText(view, state.lists, view.PopupCombo, index));
    FillComboThrough(view, state.lists, view.FaceCombo, index);
    SendMessageW(view.FaceCombo, CB_SETCURSEL, index, 0);
    ShowWindow(view.PopupCombo, SW_HIDE);
    MoveFaceToTop(view, state.lists, static_cast<std::size_t>(index),
                  state.settings.TopMove != 0);
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
    if (combo == state.view.PopupCombo) {
        ChooseFromPopup(state);
    } else if (combo == state.view.FaceCombo) {
        ChooseFromFaceCombo(state);
    }
    state.modes.ChoiceInProgress = 0;
}
