#pragma once
#include <windows.h>

#include <functional>

#include "app/picker_state.h"

// Runs a modal loop owned by the picker (a dialog, a file dialog) with everything that could get
// in its way held off: no auto-hide, no automatic pasting, no context menu, and the hover tick
// told which dialog is open (openFlag, one of the modes). Afterwards auto-hide and pasting follow
// their settings again, as they now stand, and an exit asked for meanwhile is carried out.
INT_PTR ModalGuard(PickerState& state, int& openFlag, const std::function<INT_PTR()>& runModal);

// The same around a dialog of the program's own, handed initParam in WM_INITDIALOG.
INT_PTR ModalGuard(PickerState& state, int& openFlag, int templateId, DLGPROC dialogProc,
                   LPARAM initParam);
