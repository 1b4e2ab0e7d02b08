#include "app/tray_icon.h"

#include <shellapi.h>

#include "app/app_state.h"
#include "app/transparency.h"
#include "resource.h"
#include "settings/settings_record.h"
#include "view/context_menu.h"

namespace {

const UINT TrayCallbackMessage = WM_USER + 1;

void ToggleFromTray()
{
    if (!InteractionAllowed || AutoHideArmed) {
        return;
    }
    if (IsWindowVisible(PickerWindow)) {
        ShowWindow(PickerWindow, SW_HIDE);
        return;
    }
    ShowWindow(PickerWindow, SW_SHOW);
    ApplyTransparency();
    if (Settings.TopMost) {
        SetWindowPos(PickerWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
}

} // namespace

void SetTrayIcon(DWORD action)
{
    NOTIFYICONDATAA record = {};
    record.cbSize = sizeof record;
    record.hWnd = PickerWindow;
    record.uID = 1;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = TrayCallbackMessage;
    record.hIcon = LoadIconA(AppInstance, MAKEINTRESOURCEA(IDI_PICKER_SMALL));
    lstrcpynA(record.szTip, "Vemplor", sizeof record.szTip);
    Shell_NotifyIconA(action, &record);
    TrayIconShown = action == NIM_ADD;
}

void OnTrayMessage(LPARAM mouseMessage)
{
    switch (mouseMessage) {
    case WM_LBUTTONDOWN: ToggleFromTray(); break;
    case WM_RBUTTONDOWN: ShowContextMenu(PickerWindow); break;
    }
}
