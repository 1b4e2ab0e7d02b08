#include "app/apply_settings.h"

#include <windows.h>
#include <shellapi.h>

#include "app/picker_font.h"
#include "app/popup_hotkey.h"
#include "app/transparency.h"
#include "app/tray_icon.h"
#include "view/picker_fill.h"
#include "view/window_layout.h"

namespace {

void ApplyStacking(HWND pickerWindow, const SettingsRecord& settings)
{
    SetWindowPos(pickerWindow, settings.TopMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
}

// A hidden filter box must not keep narrowing the list the user can no longer see.
void ApplyFilterBox(PickerView& view, const FaceLists& lists, const SettingsRecord& settings)
{
    if (settings.Filter) {
        ShowWindow(view.FilterCombo, SW_SHOW);
        return;
    }
    ShowWindow(view.FilterCombo, SW_HIDE);
    SetWindowTextW(view.FilterCombo, L"");
    RefreshPicker(view, lists, settings.ReadingSearch != 0);
}

void Repaint(HWND window)
{
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
}

} // namespace

void LayoutPicker(const PickerState& state, int layoutMode, int width)
{
    LayoutWindow(state.view, layoutMode, width, state.modes.EditMode != 0,
                 state.settings.Filter != 0);
}

void ApplySettings(PickerState& state, int layoutMode, int initialWidth)
{
    const SettingsRecord& settings = state.settings;
    PickerView& view = state.view;
    ApplyStacking(view.PickerWindow, settings);
    SetTrayIcon(view.PickerWindow, state.modes, settings.TrayIcon ? NIM_ADD : NIM_DELETE);
    ReplacePickerFont(view, settings);
    ApplyTransparency(view.PickerWindow, state.modes, settings);
    RegisterPopupHotKey(view.PickerWindow, settings);
    ApplyFilterBox(view, state.lists, settings);
    LayoutPicker(state, layoutMode, initialWidth);
    Repaint(view.PickerWindow);
    Repaint(view.EditListView);
}
