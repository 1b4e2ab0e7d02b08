#pragma once
#include <windows.h>

// Runs a modal dialog owned by the picker with everything that could get in its way held off:
// no auto-hide, no automatic pasting, no context menu, and the hover timer told which dialog
// is open. Afterwards auto-hide and pasting follow their settings again, as they now stand, and
// an exit asked for meanwhile is carried out.
INT_PTR ModalGuard(int& openFlag, int templateId, DLGPROC dialogProc);
