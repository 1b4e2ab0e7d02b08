#include "app/picker_window.h"

#include "app/apply_settings.h"
#include "app/close_rule.h"
#include "app/command_routing.h"
#include "app/context_menu.h"
#include "app/dictionary_import.h"
#include "app/face_reload.h"
#include "app/hit_test_rule.h"
#include "app/hover_timer.h"
#include "app/picker_font.h"
#include "app/picker_state.h"
#include "app/popup_hotkey.h"
#include "app/shutdown.h"
#include "app/startup.h"
#include "app/tray_icon.h"
#include "resource.h"
#include "settings/settings_file.h"
#include "shell/window_dpi.h"
#include "view/edit_list_view.h"
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
LRESULT OnClose(HWND window, const RunModes& modes)
{
    int close = ReadSettingInt(SettingsFilePath, "Close", "1");
    if (DecideCloseAction(close, modes.TrayIconShown) == CloseAction::Quit) {
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
LRESULT OnDpiChanged(PickerState& state, LPARAM lParam)
{
    PickerView& view = state.view;
    ReplacePickerFont(view, state.settings);
    const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
    int width = suggested.right - suggested.left;
    SetWindowPos(view.PickerWindow, nullptr, suggested.left, suggested.top, width,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutPicker(state, LayoutInitial, width);
    return 0;
}

LRESULT OnHitTest(HWND window, WPARAM wParam, LPARAM lParam)
{
    return MapPickerHitTest(static_cast<int>(DefWindowProcW(window, WM_NCHITTEST, wParam, lParam)));
}

// A menu has closed: auto-hide, suspended while it was open, is back in force.
LRESULT OnMenuSelect(RunModes& modes, const SettingsRecord& settings, WPARAM wParam,
                     LPARAM lParam)
{
    if (HIWORD(wParam) == 0xFFFF && lParam == 0 && settings.AutoHide) {
        modes.AutoHideArmed = 1;
    }
    return 0;
}

// Windows may end the process without destroying the window once this returns.
LRESULT OnEndSession(PickerState& state, WPARAM wParam)
{
    if (wParam) {
        TearDown(state);
    }
    return 0;
}

LRESULT OnDestroy(PickerState& state)
{
    TearDown(state);
    PostQuitMessage(0);
    return 0;
}

// Under a dialog the pop-up list would run a choice the dialog knows nothing of.
LRESULT OnHotKey(PickerState& state)
{
    if (state.modes.InteractionAllowed) {
        ShowPopupAtCursor(state);
    }
    return 0;
}

LRESULT OnTaskbarCreated(PickerState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (state.settings.TrayIcon) {
        SetTrayIcon(state.view.PickerWindow, state.modes, NIM_ADD);
    }
    return DefWindowProcW(state.view.PickerWindow, message, wParam, lParam);
}

// The state handed to CreateWindowExW becomes the window's own at WM_NCCREATE.
PickerState* StateOf(HWND window, UINT message, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        void* created = reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    return reinterpret_cast<PickerState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

} // namespace

// What comes before WM_NCCREATE (WM_GETMINMAXINFO among it) gets the system's answer.
LRESULT CALLBACK PickerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    PickerState* known = StateOf(window, message, lParam);
    if (known == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    PickerState& state = *known;
    switch (message) {
    case WM_CREATE: StartUp(state, window); return 0;
    case WM_DESTROY: return OnDestroy(state);
    case WM_SIZE: LayoutPicker(state, LayoutResize, LOWORD(lParam)); return 0;
    case WM_ACTIVATE: return OnActivate(window, wParam);
    case WM_CHECK_FACE_FILE: ReloadFaceListIfChangedOutside(state); return 0;
    case WM_CLOSE: return OnClose(window, state.modes);
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(window, lParam);
    case DpiChangedMessage: return OnDpiChanged(state, lParam);
    case WM_NOTIFY: return OnNotify(state.view, state.lists, state.settings, wParam, lParam);
    case WM_CONTEXTMENU: ShowContextMenu(state); return 0;
    case WM_NCHITTEST: return OnHitTest(window, wParam, lParam);
    case WM_NCRBUTTONDOWN: ShowContextMenu(state); return 0;
    case WM_COMMAND: return OnCommand(state, wParam, lParam);
    case WM_MENUSELECT: return OnMenuSelect(state.modes, state.settings, wParam, lParam);
    case WM_HOTKEY: return OnHotKey(state);
    case WM_DROPFILES: ImportDroppedFiles(state, reinterpret_cast<HDROP>(wParam)); return 0;
    case WM_TIMER: OnHoverTick(state, wParam); return 0;
    case WM_TRAY_ICON: OnTrayMessage(state, lParam); return 0;
    case WM_ROW_EDITOR_LEFT: CommitRowEditors(state.view, state.lists, state.settings); return 0;
    case WM_CLOSE_ROW_EDITORS:
        CommitAndCloseRowEditors(state.view, state.lists, state.settings);
        return 0;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION: return OnEndSession(state, wParam);
    }
    UINT taskbarCreated = state.TaskbarCreatedMessage;
    if (taskbarCreated >= 0xC000 && message == taskbarCreated) {
        return OnTaskbarCreated(state, message, wParam, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
