#include "app/tray_icon.h"

#include <shellapi.h>

#include "app/context_menu.h"
#include "app/picker_icon.h"
#include "app/transparency.h"
#include "app/tray_click_rule.h"
#include "resource.h"
#include "settings/settings_record.h"
#include "shell/process_state.h"

namespace {

// The shell reads the record's size as its version, and refuses a version newer than its own.
// The icon, its message and its tip need none newer than Windows 2000's, which every later
// Windows accepts too.
NOTIFYICONDATAW TrayRecord()
{
    NOTIFYICONDATAW record = {};
    record.cbSize = NOTIFYICONDATAW_V2_SIZE;
    record.hWnd = PickerWindow;
    record.uID = TRAY_ICON_ID;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = WM_TRAY_ICON;
    lstrcpynW(record.szTip, L"Vemplor", sizeof record.szTip / sizeof record.szTip[0]);
    return record;
}

// Shown again, the picker gets back what hiding may have cost it.
void ShowPickerFromTray()
{
    ShowWindow(PickerWindow, SW_SHOW);
    ApplyTransparency();
    if (Settings.TopMost) {
        SetWindowPos(PickerWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
}

} // namespace

void SetTrayIcon(DWORD action)
{
    NOTIFYICONDATAW record = TrayRecord();
    if (action != NIM_ADD) {
        Shell_NotifyIconW(NIM_DELETE, &record);
        TrayIconShown = 0;
        return;
    }
    // At the size the notification area shows; the shell keeps a copy of its own.
    record.hIcon = LoadPickerIcon(IconMetric::Small);
    // The shell refuses to add an icon it already holds; one it accepts to modify is there.
    TrayIconShown = Shell_NotifyIconW(NIM_ADD, &record) || Shell_NotifyIconW(NIM_MODIFY, &record);
    DestroyIcon(record.hIcon);
}

void OnTrayMessage(LPARAM mouseMessage)
{
    switch (DecideTrayClick(static_cast<unsigned int>(mouseMessage),
                            IsWindowVisible(PickerWindow) != 0, InteractionAllowed != 0,
                            AutoHideArmed != 0)) {
    case TrayClickAction::ShowPicker: ShowPickerFromTray(); break;
    case TrayClickAction::HidePicker: ShowWindow(PickerWindow, SW_HIDE); break;
    case TrayClickAction::OpenMenu: ShowContextMenu(PickerWindow); break;
    case TrayClickAction::Nothing: break;
    }
}
