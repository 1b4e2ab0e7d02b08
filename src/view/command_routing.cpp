#include "view/command_routing.h"

#include "app/app_state.h"
#include "app/shutdown.h"
#include "app/window_layout.h"
#include "paste/choice.h"
#include "settings/settings_record.h"
#include "view/picker_controls.h"
#include "view/picker_fill.h"

namespace {

const WORD ExitCommand = 2;

LRESULT OnFilterTyped(HWND pickerWindow, HWND sender)
{
    if (sender == FilterCombo) {
        RefreshPicker();
        UpdateTitleCounter(pickerWindow);
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
    return 0;
}

LRESULT OnCloseUp()
{
    if (Settings.AutoHide) {
        AutoHideArmed = 1;
    }
    return 0;
}

} // namespace

LRESULT OnCommand(HWND pickerWindow, WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == ExitCommand) {
        return ShutDown(pickerWindow);
    }
    HWND sender = reinterpret_cast<HWND>(lParam);
    switch (HIWORD(wParam)) {
    case CBN_SELCHANGE: OnChoice(sender); return 0;
    case CBN_EDITCHANGE: return OnFilterTyped(pickerWindow, sender);
    case CBN_DROPDOWN: return OnDropDown(sender);
    case CBN_CLOSEUP: return OnCloseUp();
    }
    return DefWindowProcA(pickerWindow, WM_COMMAND, wParam, lParam);
}
