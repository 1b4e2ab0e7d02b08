#include "app/startup.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/apply_settings.h"
#include "app/hover_timer.h"
#include "app/icon_window.h"
#include "app/popup_window.h"
#include "app/transparency.h"
#include "resource.h"
#include "settings/load_settings.h"
#include "settings/settings_file.h"
#include "store/face_store.h"
#include "view/edit_list_view.h"
#include "view/picker_controls.h"
#include "view/picker_fill.h"
#include "view/picker_tooltips.h"
#include "view/window_layout.h"

void StartUp(PickerState& state, HWND pickerWindow)
{
    PickerView& view = state.view;
    view.PickerWindow = pickerWindow;

    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = 0xFF;
    InitCommonControlsEx(&controls);

    CreatePickerControls(view);
    view.PopupCombo = CreatePopupWindow(state);
    SubclassEditListView(view);
    CheckTransparencySupport(pickerWindow, state.modes);
    LoadFaceFile(state.lists, FaceFilePath);
    LoadFilterFile(state.lists, FilterFilePath);
    FillFilterCombo(view, state.lists);
    state.ContextMenu =
        LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_CONTEXT_MENU));
    LoadSettings(state.settings, SettingsFilePath);
    state.modes.AutoPasteArmed = state.settings.AutoPaste;
    state.modes.AutoHideArmed = state.settings.AutoHide;
    // The stored place is taken whether or not the position is saved at exit.
    SetWindowPos(pickerWindow, nullptr, ReadSettingInt(SettingsFilePath, "Left", nullptr),
                 ReadSettingInt(SettingsFilePath, "Top", nullptr), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    ApplySettings(state, LayoutInitial, ReadSettingInt(SettingsFilePath, "Width", "300"));
    CreatePickerToolTips(view);
    state.IconWindow = CreateIconWindow(pickerWindow);
    // A dictionary or list dropped on the picker is imported.
    DragAcceptFiles(pickerWindow, TRUE);
    state.modes.InteractionAllowed = 1;
    state.TaskbarCreatedMessage = RegisterWindowMessageW(L"TaskbarCreated");
    RefreshPicker(view, state.lists, state.settings.ReadingSearch != 0);
    ShowWindow(pickerWindow, SW_SHOW);
    SetHoverTimer(pickerWindow, true);
}
