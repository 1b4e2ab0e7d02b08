#include "app/popup_hotkey.h"

#include <windows.h>

#include "app/app_state.h"
#include "app/hotkey_code.h"
#include "settings/settings_record.h"
#include "store/face_lists.h"
#include "view/picker_controls.h"
#include "view/picker_fill.h"

void RegisterPopupHotKey(int storedValue)
{
    UnregisterHotKey(PickerWindow, 0);
    if (Settings.HotKey != 1) {
        return;
    }
    PopupHotKey hotKey = DecodePopupHotKey(storedValue);
    RegisterHotKey(PickerWindow, 0, hotKey.modifiers, hotKey.key);
}

void ShowPopupAtCursor()
{
    if (EditMode) {
        return;
    }
    POINT cursor = {};
    GetCursorPos(&cursor);
    SetWindowTextA(FilterCombo, "");
    RefreshPicker();
    UpdateTitleCounter(PickerWindow);

    SendMessageA(PopupCombo, CB_RESETCONTENT, 0, 0);
    for (const std::string& face : FaceList) {
        SendMessageA(PopupCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(face.c_str()));
    }
    RECT workArea = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    RECT faceCombo = {};
    GetWindowRect(FaceCombo, &faceCombo);
    SetWindowPos(PopupCombo, HWND_TOPMOST, cursor.x, cursor.y, faceCombo.right - faceCombo.left,
                 (workArea.bottom - workArea.top) - cursor.y, 0);
    ShowWindow(PopupCombo, SW_SHOW);
    SendMessageA(PopupCombo, CB_SETCURSEL, 0, 0);
    SendMessageA(PopupCombo, CB_SHOWDROPDOWN, TRUE, 0);
}
