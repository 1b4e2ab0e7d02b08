#include "app/startup.h"

#include <commctrl.h>

#include "app/app_state.h"
#include "app/apply_settings.h"
#include "app/hover_timer.h"
#include "app/icon_window.h"
#include "app/transparency.h"
#include "app/window_layout.h"
#include "resource.h"
#include "settings/load_settings.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "store/face_store.h"
#include "view/picker_controls.h"
#include "view/picker_fill.h"
#include "view/picker_tooltips.h"

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
    CheckTransparencySupport(pickerWindow);
    LoadFaceFile();
    LoadFilterFile();
    FillFilterCombo();
    ContextMenu = LoadMenuA(AppInstance, MAKEINTRESOURCEA(IDR_CONTEXT_MENU));
    LoadSettings();
    AutoPasteArmed = Settings.AutoPaste;
    AutoHideArmed = Settings.AutoHide;
    // The stored place is taken whether or not the position is saved at exit.
    SetWindowPos(pickerWindow, nullptr, ReadSettingInt("Left", nullptr),
                 ReadSettingInt("Top", nullptr), 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ApplySettings(LayoutInitial);
    CreatePickerToolTips(pickerWindow);
    CreateIconWindow(pickerWindow);
    InteractionAllowed = 1;
    TaskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
    RefreshPicker();
    UpdateTitleCounter(pickerWindow);
    ShowWindow(pickerWindow, SW_SHOW);
    SetHoverTimer(pickerWindow, true);
}
