#pragma once
#include <windows.h>

#include "app/picker_state.h"

// Runs a modal dialog owned by the picker with everything that could get in its way held off:
// no auto-hide, no automatic pasting, no context menu, and the hover tick told which dialog is
// open (openFlag, one of the modes). The dialog gets initParam as its WM_INITDIALOG lParam.
// Afterwards auto-hide and pasting follow their settings again, as they now stand, and an exit
// asked for meanwhile is carried out.
INT_PTR ModalGuard(PickerState& state, int& openFlag, int templateId, DLGPROC dialogProc,
                   LPARAM initParam);
