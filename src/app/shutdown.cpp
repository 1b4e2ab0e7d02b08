#include "app/shutdown.h"

#include <shellapi.h>

#include <string>

#include "app/hover_timer.h"
#include "app/picker_font.h"
#include "app/popup_hotkey.h"
#include "app/tray_icon.h"
#include "settings/settings_file.h"
#include "store/face_store.h"
#include "view/edit_mode.h"

namespace {

// The list and the window's place: what must survive the program, however it ends.
// In edit mode the rows, and an editor's text not yet committed, are the latest copy of the list.
void SavePickerState(PickerState& state)
{
    HWND pickerWindow = state.view.PickerWindow;
    ReadBackEditList(state.view, state.lists, state.settings, state.modes.EditMode);
    SaveFaceFile(state.lists, FaceFilePath);
    SettingValues place;
    if (state.settings.SavePosition) {
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
void EndProgram(HWND pickerWindow, RunModes& modes)
{
    if (modes.OptionsOpen || modes.AboutOpen || modes.ClipAddOpen || modes.DictionaryOpen) {
        modes.ExitPending = 1;
        return;
    }
    DestroyWindow(pickerWindow);
}

void TearDown(PickerState& state)
{
    HWND pickerWindow = state.view.PickerWindow;
    SetHoverTimer(pickerWindow, false);
    UnregisterPopupHotKey(pickerWindow);
    SetTrayIcon(pickerWindow, state.modes, NIM_DELETE);
    SavePickerState(state);
}

void ReleaseProcessResources(PickerState& state)
{
    DeletePickerFont(state.view);
    DestroyMenu(state.ContextMenu);
}
