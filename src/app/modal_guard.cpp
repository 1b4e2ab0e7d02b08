#include "app/modal_guard.h"

#include "resource.h"
#include "settings/settings_record.h"
#include "shell/process_state.h"

INT_PTR ModalGuard(int& openFlag, const std::function<INT_PTR()>& runModal)
{
    AutoHideArmed = 0;
    AutoPasteArmed = 0;
    InteractionAllowed = 0;
    openFlag = 1;
    INT_PTR result = runModal();
    openFlag = 0;
    InteractionAllowed = 1;
    if (Settings.AutoHide) {
        AutoHideArmed = 1;
    }
    if (Settings.AutoPaste) {
        AutoPasteArmed = 1;
    }
    if (ExitPending) {
        ExitPending = 0;
        PostMessageW(PickerWindow, WM_COMMAND, CMD_END_PROGRAM, 0);
    }
    return result;
}

INT_PTR ModalGuard(int& openFlag, int templateId, DLGPROC dialogProc, LPARAM initParam)
{
    return ModalGuard(openFlag, [&] {
        return DialogBoxParamW(AppInstance, MAKEINTRESOURCEW(templateId), PickerWindow, dialogProc,
                               initParam);
    });
}
