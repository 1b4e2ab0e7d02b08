#include "app/modal_guard.h"

#include "resource.h"

INT_PTR ModalGuard(PickerState& state, int& openFlag, int templateId, DLGPROC dialogProc,
                   LPARAM initParam)
{
    RunModes& modes = state.modes;
    HWND pickerWindow = state.view.PickerWindow;
    modes.AutoHideArmed = 0;
    modes.AutoPasteArmed = 0;
    modes.InteractionAllowed = 0;
    openFlag = 1;
    INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId),
                                     pickerWindow, dialogProc, initParam);
    openFlag = 0;
    modes.InteractionAllowed = 1;
    if (state.settings.AutoHide) {
        modes.AutoHideArmed = 1;
    }
    if (state.settings.AutoPaste) {
        modes.AutoPasteArmed = 1;
    }
    if (modes.ExitPending) {
        modes.ExitPending = 0;
        PostMessageW(pickerWindow, WM_COMMAND, CMD_END_PROGRAM, 0);
    }
    return result;
}
