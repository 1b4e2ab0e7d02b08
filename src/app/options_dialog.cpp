#include "app/options_dialog.h"

#include <string>

#include "app/modal_guard.h"
#include "resource.h"

namespace {

struct EnablingRule {
    int checkBox;
    int dependents[3];
};

// Unused slots of dependents are 0.
const EnablingRule EnablingRules[] = {
    {IDC_AUTO_PASTE, {IDC_PASTE_TIME, IDC_PASTE_TIME_ARROWS, IDC_PASTE_KEY}},
    {IDC_AUTO_HIDE, {IDC_HIDE_TIME, IDC_HIDE_TIME_ARROWS, IDC_ICONIFY}},
    {IDC_TRAY_ICON, {IDC_CLOSE_EXITS}},
    {IDC_HOT_KEY, {IDC_HOT_KEYS, IDC_POPUP_AT_MOUSE}},
    {IDC_TRANSPARENT, {IDC_ALPHA, IDC_ALPHA_LABEL}},
};

void ApplyEnablingRule(HWND dialog, const EnablingRule& rule, bool transparencyAvailable)
{
    bool enabled = IsDlgButtonChecked(dialog, rule.checkBox) == BST_CHECKED;
    // Without layered windows the opacity cannot be changed, ticked or not.
    if (rule.checkBox == IDC_TRANSPARENT && !transparencyAvailable) {
        enabled = false;
    }
    for (int dependent : rule.dependents) {
        if (dependent != 0) {
            EnableWindow(GetDlgItem(dialog, dependent), enabled);
        }
    }
}

void OnOptionsCommand(HWND dialog, PickerState& state, int id)
{
    switch (id) {
    case IDOK:
        ApplyOptions(dialog, state);
        EndDialog(dialog, IDOK);
        break;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
    default: ApplyEnablingRules(dialog, id, state.modes.TransparencyAvailable != 0); break;
    }
}

// The delay boxes cannot be typed into: the arrows step them by 100 ms.
void OnDelayArrows(HWND dialog, WPARAM wParam, HWND arrows)
{
    int box = 0;
    switch (GetDlgCtrlID(arrows)) {
    case IDC_PASTE_TIME_ARROWS: box = IDC_PASTE_TIME; break;
    case IDC_HIDE_TIME_ARROWS: box = IDC_HIDE_TIME; break;
    default: return;
    }
    SetDlgItemTextW(dialog, box, std::to_wstring(HIWORD(wParam) * 100).c_str());
}

// The state arrives with WM_INITDIALOG and is kept in the dialog's own slot for the rest.
INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    }
    auto* state = reinterpret_cast<PickerState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (state == nullptr) {
        return FALSE;
    }
    switch (message) {
    case WM_INITDIALOG: InitOptionsDialog(dialog, *state); break;
    case WM_COMMAND: OnOptionsCommand(dialog, *state, LOWORD(wParam)); break;
    case WM_VSCROLL: OnDelayArrows(dialog, wParam, reinterpret_cast<HWND>(lParam)); break;
    }
    return FALSE;
}

} // namespace

void ApplyEnablingRules(HWND dialog, int checkBoxId, bool transparencyAvailable)
{
    for (const EnablingRule& rule : EnablingRules) {
        if (checkBoxId == 0 || checkBoxId == rule.checkBox) {
            ApplyEnablingRule(dialog, rule, transparencyAvailable);
        }
    }
}

void ShowOptionsDialog(PickerState& state)
{
    ModalGuard(state, state.modes.OptionsOpen, IDD_OPTIONS, OptionsDialogProc,
               reinterpret_cast<LPARAM>(&state));
}
