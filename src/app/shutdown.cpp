#include "app/shutdown.h"

#include <shellapi.h>

#include <string>

#include "app/app_state.h"
#include "app/hover_timer.h"
#include "app/picker_font.h"
#include "app/popup_hotkey.h"
#include "app/transparency.h"
#include "app/tray_icon.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "store/face_store.h"
#include "view/edit_list_view.h"
#include "view/edit_mode.h"
#include "view/picker_controls.h"

namespace {

// The list and the window's place: what must survive the program, however it ends.
// In edit mode the rows, and an editor's text not yet committed, are the latest copy of the list.
void SavePickerState(HWND pickerWindow)
{
    ReadBackEditList();
    SaveFaceFile();
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
    WriteSettings(place);
}

} // namespace

// A modal dialog's own message loop runs on top of the picker: destroying the window under it
// would pull the dialog away mid-use, so the exit waits until the dialog has closed.
LRESULT ShutDown(HWND pickerWindow)
{
    if (OptionsOpen || AboutOpen || ClipAddOpen) {
        ExitPending = 1;
        return 0;
    }
    // The window is about to go: the rows are taken back without refilling the picker.
    TakeBackEditRows();
    SavePickerState(pickerWindow);
    SetTrayIcon(NIM_DELETE);
    SetWindowLongPtrA(EditListView, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OriginalListViewProc));
    SetHoverTimer(pickerWindow, false);
    UnregisterPopupHotKey();
    DestroyWindow(pickerWindow);
    // The controls drew with the font until they were destroyed with the window.
    DeletePickerFont();
    DestroyMenu(ContextMenu);
    ReleaseUser32Module();
    return 0;
}

// The session ends without a shut-down of the program: the icon goes now, or it would stay in
// the notification area after the window is gone.
void SaveForSessionEnd(HWND pickerWindow)
{
    SavePickerState(pickerWindow);
    SetTrayIcon(NIM_DELETE);
}
