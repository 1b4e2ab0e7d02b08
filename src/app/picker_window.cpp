#include "app/picker_window.h"

#include "app/close_rule.h"
#include "app/command_routing.h"
#include "app/context_menu.h"
#include "app/face_reload.h"
#include "app/hit_test_rule.h"
#include "app/picker_font.h"
#include "app/popup_hotkey.h"
#include "app/shutdown.h"
#include "app/startup.h"
#include "app/tray_icon.h"
#include "resource.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "shell/process_state.h"
#include "shell/window_dpi.h"
#include "view/layout_math.h"
#include "view/picker_notify.h"
#include "view/window_layout.h"

namespace {

// At 96 DPI; scaled to the window's.
const int MinimumPickerWidth = 300;
// WM_DPICHANGED of Windows 8.1, which the headers hide from a build for older systems.
const UINT DpiChangedMessage = 0x02E0;

// Closing quits, or only hides the window when the user keeps the program resident in the tray.
// Close is read from the file now, so a change made by hand holds without a restart.
LRESULT OnClose(HWND window)
{
    if (DecideCloseAction(ReadSettingInt(SettingsFilePath, "Close", "1"), TrayIconShown) == CloseAction::Quit) {
        PostMessageW(window, WM_COMMAND, CMD_END_PROGRAM, 0);
    } else {
        ShowWindow(window, SW_HIDE);
    }
    return 0;
}

// Coming back to the picker is when the user may have changed the list file elsewhere. The
// look is posted: the picker is also activated in the middle of its own work (a paste takes the
// foreground back before a pop-up choice moves its entry), which a reload must not cut into.
LRESULT OnActivate(HWND window, WPARAM wParam)
{
    if (LOWORD(wParam) != WA_INACTIVE) {
        PostMessageW(window, WM_CHECK_FACE_FILE, 0, 0);
    }
    return 0;
}

LRESULT OnGetMinMaxInfo(HWND window, LPARAM lParam)
{
    reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize.x =
        ScaleFrom96Dpi(MinimumPickerWidth, WindowDpi(window));
    return 0;
}

// The picker has moved to a monitor of another DPI: it takes the place and width the system
// suggests, its font is made again for the new DPI, and its height is its mode's in that font:
// the bar as tall as the combo row, edit mode's table down to above the screen's bottom.
LRESULT OnDpiChanged(HWND window, LPARAM lParam)
{
    ReplacePickerFont(window);
    const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
    int width = suggested.right - suggested.left;
    SetWindowPos(window, nullptr, suggested.left, suggested.top, width,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutWindow(LayoutInitial, width);
    return 0;
}

LRESULT OnHitTest(HWND window, WPARAM wParam, LPARAM lParam)
{
    return MapPickerHitTest(static_cast<int>(DefWindowProcW(window, WM_NCHITTEST, wParam, lParam)));
}

// A menu has closed: auto-hide, suspended while it was open, is back in force.
LRESULT OnMenuSelect(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == 0xFFFF && lParam == 0 && Settings.AutoHide) {
        AutoHideArmed = 1;
    }
    return 0;
}

// Windows may end the process without destroying the window once this returns.
LRESULT OnEndSession(HWND window, WPARAM wParam)
{
    if (wParam) {
        TearDown(window);
    }
    return 0;
}

LRESULT OnDestroy(HWND window)
{
    TearDown(window);
    PostQuitMessage(0);
    return 0;
}

// Under a dialog the pop-up list would run a choice the dialog knows nothing of.
LRESULT OnHotKey()
{
    if (InteractionAllowed) {
        ShowPopupAtCursor();
    }
    return 0;
}

LRESULT OnTaskbarCreated(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (Settings.TrayIcon) {
        SetTrayIcon(NIM_ADD);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

LRESULT CALLBACK PickerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: StartUp(window); return 0;
    case WM_DESTROY: return OnDestroy(window);
    case WM_SIZE: LayoutWindow(LayoutResize, LOWORD(lParam)); return 0;
    case WM_ACTIVATE: return OnActivate(window, wParam);
    case WM_CHECK_FACE_FILE: ReloadFaceListIfChangedOutside(); return 0;
    case WM_CLOSE: return OnClose(window);
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(window, lParam);
    case DpiChangedMessage: return OnDpiChanged(window, lParam);
    case WM_NOTIFY: return OnNotify(window, message, wParam, lParam);
    case WM_CONTEXTMENU: ShowContextMenu(window); return 0;
    case WM_NCHITTEST: return OnHitTest(window, wParam, lParam);
    case WM_NCRBUTTONDOWN: ShowContextMenu(window); return 0;
    case WM_COMMAND: return OnCommand(window, wParam, lParam);
    case WM_MENUSELECT: return OnMenuSelect(wParam, lParam);
    case WM_HOTKEY: return OnHotKey();
    case WM_TRAY_ICON: OnTrayMessage(lParam); return 0;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION: return OnEndSession(window, wParam);
    }
    if (TaskbarCreatedMessage >= 0xC000 && message == TaskbarCreatedMessage) {
        return OnTaskbarCreated(window, message, wParam, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
