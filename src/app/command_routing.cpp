#include "app/command_routing.h"

#include "app/choice.h"
#include "app/shutdown.h"
#include "app/utf8_notice.h"
#include "resource.h"
#include "settings/settings_record.h"
#include "shell/process_state.h"
#include "view/picker_controls.h"
#include "view/picker_fill.h"
#include "view/window_layout.h"

namespace {

// Moving through an open emoticon list only highlights. Enter or a click on an item confirms
// the highlighted one while the list is still open (CBN_SELENDOK); the choice is made once the
// list has closed (CBN_CLOSEUP), so that pasting, which hands the foreground to another window,
// never runs under an open list holding the mouse. Escape or a click elsewhere cancels.
HWND ConfirmedList = nullptr;
// The selection an emoticon list had when it opened, given back when it closes unchosen.
LRESULT IndexWhenOpened = CB_ERR;

bool IsOpen(HWND combo)
{
    return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

// An emoticon list reports every highlight as a selection change: only a prepared filter is
// applied as the highlight moves, which narrows the emoticon list and pastes nothing.
LRESULT OnSelectionChange(HWND sender)
{
    if (sender == FilterCombo) {
        OnChoice(sender);
    }
    return 0;
}

// Arrow keys or the wheel on a closed list confirm as well; only an open list's confirmation
// is a choice.
LRESULT OnSelectionConfirmed(HWND sender)
{
    if (sender == FaceCombo && IsOpen(sender)) {
        ConfirmedList = sender;
    }
    return 0;
}

LRESULT OnSelectionCancelled(HWND sender)
{
    if (sender == FaceCombo && IsOpen(sender)) {
        ConfirmedList = nullptr;
        SendMessageW(sender, CB_SETCURSEL, IndexWhenOpened, 0);
    }
    return 0;
}

LRESULT OnFilterTyped(HWND sender)
{
    if (sender == FilterCombo) {
        RefreshPicker();
    }
    return 0;
}

// An open list must not vanish under the user: auto-hide waits until it closes again.
LRESULT OnDropDown(HWND sender)
{
    if (sender == FaceCombo || sender == FilterCombo) {
        FitDropDownToWorkArea(sender);
    }
    AutoHideArmed = 0;
    ConfirmedList = nullptr;
    IndexWhenOpened = SendMessageW(sender, CB_GETCURSEL, 0, 0);
    return 0;
}

LRESULT OnCloseUp(HWND sender)
{
    if (Settings.AutoHide) {
        AutoHideArmed = 1;
    }
    if (sender == ConfirmedList) {
        ConfirmedList = nullptr;
        OnChoice(sender);
    }
    return 0;
}

} // namespace

LRESULT OnCommand(HWND pickerWindow, WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == CMD_END_PROGRAM) {
        EndProgram(pickerWindow);
        return 0;
    }
    if (LOWORD(wParam) == CMD_FACE_LIST_NOW_UTF8) {
        TellFaceListIsUtf8(pickerWindow);
        return 0;
    }
    HWND sender = reinterpret_cast<HWND>(lParam);
    switch (HIWORD(wParam)) {
    case CBN_SELCHANGE: return OnSelectionChange(sender);
    case CBN_SELENDOK: return OnSelectionConfirmed(sender);
    case CBN_SELENDCANCEL: return OnSelectionCancelled(sender);
    case CBN_EDITCHANGE: return OnFilterTyped(sender);
    case CBN_DROPDOWN: return OnDropDown(sender);
    case CBN_CLOSEUP: return OnCloseUp(sender);
    }
    return DefWindowProcW(pickerWindow, WM_COMMAND, wParam, lParam);
}
