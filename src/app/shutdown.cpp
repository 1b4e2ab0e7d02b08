#include "app/shutdown.h"

#include <shellapi.h>

#include <string>

#include "app/hover_timer.h"
#include "app/picker_font.h"
#include "app/popup_hotkey.h"
#include "app/tray_icon.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "shell/process_state.h"
#include "store/face_store.h"
#include "view/edit_mode.h"

namespace {

bool GivenBack;

// The list and the window's place: what must survive the program, however it ends.
// In edit mode the rows, and an editor's text not yet committed, are the latest copy of the list.
void SavePickerState(HWND pickerWindow)
{
    ReadBackEditList();
    SaveFaceFile(FaceFilePath);
    SettingValues place;
    if (Settings.SavePosition) {
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof placement;
        GetWindowPlacement(pickerWindow, &placement);
        place.push_back({"Left", std::to_string(placement.rcNormalPosition.left)});
        place.push_back({"Top", std::to_string(placement.rcNormalPosition.top)});
    }
    RECT outer = {};
    GetWindowRect(pickerWindow, &outer);
    place.push_back({"Width", std::to_string(outer.right - outer.left)});
    WriteSettings(SettingsFilePath, place);
}

} // namespace

// A modal dialog's own message loop runs on top of the picker: destroying the window under it
// would pull the dialog away mid-use.
void EndProgram(HWND pickerWindow)
{
    if (OptionsOpen || AboutOpen || ClipAddOpen) {
        ExitPending = 1;
        return;
    }
    DestroyWindow(pickerWindow);
}

void TearDown(HWND pickerWindow)
{
    if (!GivenBack) {
        GivenBack = true;
        SetHoverTimer(pickerWindow, false);
        UnregisterPopupHotKey();
        SetTrayIcon(NIM_DELETE);
    }
    SavePickerState(pickerWindow);
}

void ReleaseProcessResources()
{
    DeletePickerFont();
    DestroyMenu(ContextMenu);
}
