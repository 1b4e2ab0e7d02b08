#include "app/startup.h"

#include <commctrl.h>

#include "app/apply_settings.h"
#include "app/hover_timer.h"
#include "app/icon_window.h"
#include "app/popup_window.h"
#include "app/transparency.h"
#include "resource.h"
#include "settings/load_settings.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "shell/process_state.h"
#include "store/face_store.h"
#include "view/edit_list_view.h"
#include "view/picker_controls.h"
#include "view/picker_fill.h"
#include "view/picker_tooltips.h"
#include "view/window_layout.h"

void StartUp(HWND pickerWindow)
{
    PickerWindow = pickerWindow;

    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = 0xFF;
    InitCommonControlsEx(&controls);

    wsprintfA(FaceFilePath, "./%s", "Vemplor.txt");
    wsprintfA(FilterFilePath, "./%s", "Filter.txt");
    wsprintfA(SettingsFilePath, "./%s", "Vemplor.ini");

    CreatePickerControls(pickerWindow);
    PopupCombo = CreatePopupWindow();
    SubclassEditListView();
    CheckTransparencySupport(pickerWindow);
    LoadFaceFile(FaceFilePath);
    LoadFilterFile(FilterFilePath);
    FillFilterCombo();
    ContextMenu = LoadMenuW(AppInstance, MAKEINTRESOURCEW(IDR_CONTEXT_MENU));
    LoadSettings(SettingsFilePath);
    AutoPasteArmed = Settings.AutoPaste;
    AutoHideArmed = Settings.AutoHide;
    // The stored place is taken whether or not the position is saved at exit.
    SetWindowPos(pickerWindow, nullptr, ReadSettingInt(SettingsFilePath, "Left", nullptr),
                 ReadSettingInt(SettingsFilePath, "Top", nullptr), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    ApplySettings(LayoutInitial, ReadSettingInt(SettingsFilePath, "Width", "300"));
    CreatePickerToolTips(pickerWindow);
    CreateIconWindow(pickerWindow);
    InteractionAllowed = 1;
    TaskbarCreatedMessage = RegisterWindowMessageW(L"TaskbarCreated");
    RefreshPicker();
    ShowWindow(pickerWindow, SW_SHOW);
    SetHoverTimer(pickerWindow, true);
}
