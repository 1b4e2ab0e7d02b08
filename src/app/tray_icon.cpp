#include "app/tray_icon.h"

#include <shellapi.h>

#include "app/context_menu.h"
#include "app/picker_icon.h"
#include "app/transparency.h"
#include "app/tray_click_rule.h"
#include "resource.h"

namespace {

// The shell reads the record's size as its version, and refuses a version newer than its own.
// The icon, its message and its tip need none newer than Windows 2000's, which every later
// Windows accepts too.
NOTIFYICONDATAW TrayRecord(HWND pickerWindow)
{
    NOTIFYICONDATAW record = {};
    record.cbSize = NOTIFYICONDATAW_V2_SIZE;
    record.hWnd = pickerWindow;
    record.uID = TRAY_ICON_ID;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = WM_TRAY_ICON;
    lstrcpynW(record.szTip, L"Vemplor", sizeof record.szTip / sizeof record.szTip[0]);
    return record;
}

// Shown again, the picker gets back what hiding may have cost it.
void ShowPickerFromTray(HWND pickerWindow, const RunModes& modes,
                        const SettingsRecord& settings)
{
    ShowWindow(pickerWindow, SW_SHOW);
    ApplyTransparency(pickerWindow, modes, settings);
    if (settings.TopMost) {
        SetWindowPos(pickerWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
}

} // namespace

void SetTrayIcon(HWND pickerWindow, RunModes& modes, DWORD action)
{
    NOTIFYICONDATAW record = TrayRecord(pickerWindow);
    if (action != NIM_ADD) {
        Shell_NotifyIconW(NIM_DELETE, &record);
        modes.TrayIconShown = 0;
        return;
    }
    // At the size the notification area shows; the shell keeps a copy of its own.
    record.hIcon = LoadPickerIcon(IconMetric::Small);
    // The shell refuses to add an icon it already holds; one it accepts to modify is there.
    modes.TrayIconShown =
        Shell_NotifyIconW(NIM_ADD, &record) || Shell_NotifyIconW(NIM_MODIFY, &record);
    DestroyIcon(record.hIcon);
}

void OnTrayMessage(PickerState& state, LPARAM mouseMessage)
{
    HWND pickerWindow = state.view.PickerWindow;
    const RunModes& modes = state.modes;
    switch (DecideTrayClick(static_cast<unsigned int>(mouseMessage),
                            IsWindowVisible(pickerWindow) != 0, modes.InteractionAllowed != 0,
                            modes.AutoHideArmed != 0)) {
    case TrayClickAction::ShowPicker:
        ShowPickerFromTray(pickerWindow, modes, state.settings);
        break;
    case TrayClickAction::HidePicker: ShowWindow(pickerWindow, SW_HIDE); break;
    case TrayClickAction::OpenMenu: ShowContextMenu(state); break;
    case TrayClickAction::Nothing: break;
    }
}
