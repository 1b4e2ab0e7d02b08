#include "app/command_routing.h"

#include "app/choice.h"
#include "app/shutdown.h"
#include "app/utf8_notice.h"
#include "resource.h"
#include "view/picker_fill.h"
#include "view/window_layout.h"

namespace {

bool IsOpen(HWND combo)
{
    return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

// An emoticon list reports every highlight as a selection change: only a prepared filter is
// applied as the highlight moves, which narrows the emoticon list and pastes nothing.
LRESULT OnSelectionChange(PickerState& state, HWND sender)
{
    if (sender == state.view.FilterCombo) {
        OnChoice(state, sender);
    }
    return 0;
}

// Arrow keys or the wheel on a closed list confirm as well; only an open list's confirmation
// is a choice.
LRESULT OnSelectionConfirmed(const PickerView& view, RunModes& modes, HWND sender)
{
    if (sender == view.FaceCombo && IsOpen(sender)) {
        modes.ConfirmedList = sender;
    }
    return 0;
}

LRESULT OnSelectionCancelled(const PickerView& view, RunModes& modes, HWND sender)
{
    if (sender == view.FaceCombo && IsOpen(sender)) {
        modes.ConfirmedList = nullptr;
        SendMessageW(sender, CB_SETCURSEL, modes.IndexWhenOpened, 0);
    }
    return 0;
}

LRESULT OnFilterTyped(PickerState& state, HWND sender)
{
    if (sender == state.view.FilterCombo) {
        RefreshPicker(state.view, state.lists, state.settings.ReadingSearch != 0);
    }
    return 0;
}

// An open list must not vanish under the user: auto-hide waits until it closes again.
LRESULT OnDropDown(const PickerView& view, RunModes& modes, HWND sender)
{
    if (sender == view.FaceCombo || sender == view.FilterCombo) {
        FitDropDownToWorkArea(view, sender);
    }
    modes.AutoHideArmed = 0;
    modes.ConfirmedList = nullptr;
    modes.IndexWhenOpened = SendMessageW(sender, CB_GETCURSEL, 0, 0);
    return 0;
}

LRESULT OnCloseUp(PickerState& state, HWND sender)
{
    RunModes& modes = state.modes;
    if (state.settings.AutoHide) {
        modes.AutoHideArmed = 1;
    }
    if (sender == modes.ConfirmedList) {
        modes.ConfirmedList = nullptr;
        OnChoice(state, sender);
    }
    return 0;
}

} // namespace

LRESULT OnCommand(PickerState& state, WPARAM wParam, LPARAM lParam)
{
    HWND pickerWindow = state.view.PickerWindow;
    if (LOWORD(wParam) == CMD_END_PROGRAM) {
        EndProgram(pickerWindow, state.modes);
        return 0;
    }
    if (LOWORD(wParam) == CMD_FACE_LIST_NOW_UTF8) {
        TellFaceListIsUtf8(pickerWindow);
        return 0;
    }
    HWND sender = reinterpret_cast<HWND>(lParam);
    switch (HIWORD(wParam)) {
    case CBN_SELCHANGE: return OnSelectionChange(state, sender);
    case CBN_SELENDOK: return OnSelectionConfirmed(state.view, state.modes, sender);
    case CBN_SELENDCANCEL: return OnSelectionCancelled(state.view, state.modes, sender);
    case CBN_EDITCHANGE: return OnFilterTyped(state, sender);
    case CBN_DROPDOWN: return OnDropDown(state.view, state.modes, sender);
    case CBN_CLOSEUP: return OnCloseUp(state, sender);
    }
    return DefWindowProcW(pickerWindow, WM_COMMAND, wParam, lParam);
}
