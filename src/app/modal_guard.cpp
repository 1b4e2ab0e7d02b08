#include "app/modal_guard.h"

#include "resource.h"

INT_PTR ModalGuard(PickerState& state, int& openFlag, const std::function<INT_PTR()>& runModal)
{
    RunModes& modes = state.modes;
    modes.AutoHideArmed = 0;
    modes.AutoPasteArmed = 0;
    modes.InteractionAllowed = 0;
    openFlag = 1;
    INT_PTR result = runModal();
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
        PostMessageW(state.view.PickerWindow, WM_COMMAND, CMD_END_PROGRAM, 0);
    }
    return result;
}

INT_PTR ModalGuard(PickerState& state, int& openFlag, int templateId, DLGPROC dialogProc,
                   LPARAM initParam)
{
    return ModalGuard(state, openFlag, [&] {
        return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId),
                               state.view.PickerWindow, dialogProc, initParam);
    });
}
