#include "app/apply_settings.h"

#include <windows.h>
#include <shellapi.h>

#include "app/picker_font.h"
#include "app/popup_hotkey.h"
#include "app/transparency.h"
#include "app/tray_icon.h"
#include "settings/settings_record.h"
#include "shell/process_state.h"
#include "view/picker_controls.h"
#include "view/picker_fill.h"
#include "view/window_layout.h"

namespace {

void ApplyStacking()
{
    SetWindowPos(PickerWindow, Settings.TopMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
}

// A hidden filter box must not keep narrowing the list the user can no longer see.
void ApplyFilterBox()
{
    if (Settings.Filter) {
        ShowWindow(FilterCombo, SW_SHOW);
        return;
    }
    ShowWindow(FilterCombo, SW_HIDE);
    SetWindowTextW(FilterCombo, L"");
    RefreshPicker();
}

void Repaint(HWND window)
{
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
}

} // namespace

void ApplySettings(int layoutMode, int initialWidth)
{
    ApplyStacking();
    SetTrayIcon(Settings.TrayIcon ? NIM_ADD : NIM_DELETE);
    ReplacePickerFont(PickerWindow);
    ApplyTransparency();
    RegisterPopupHotKey(Settings.HotKeys);
    ApplyFilterBox();
    LayoutWindow(layoutMode, initialWidth);
    Repaint(PickerWindow);
    Repaint(EditListView);
}
