#include "app/popup_hotkey.h"

#include <windows.h>

#include "app/hotkey_code.h"
#include "app/popup_placement.h"
#include "resource.h"
#include "view/picker_fill.h"

namespace {

// MOD_NOREPEAT of Windows 7, which the headers hide from a build for older systems.
const UINT NoRepeatModifier = 0x4000;

PopupPlacement PlaceAt(const PickerView& view, const FaceLists& lists, POINT cursor)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &monitor);
    // The pop-up looks like the picker's own list: as wide, and its field as tall.
    RECT face = {};
    GetWindowRect(view.FaceCombo, &face);
    PopupMetrics metrics = {};
    metrics.cursor = {cursor.x, cursor.y};
    metrics.workArea = {monitor.rcWork.left, monitor.rcWork.top, monitor.rcWork.right,
                        monitor.rcWork.bottom};
    metrics.width = face.right - face.left;
    metrics.fieldHeight = face.bottom - face.top;
    metrics.itemHeight =
        static_cast<long>(SendMessageW(view.PopupCombo, CB_GETITEMHEIGHT, 0, 0));
    metrics.itemCount = static_cast<long>(lists.FaceList.size());
    return PlacePopup(metrics);
}

// A list still open in the picker would stay on the screen beside the pop-up's. The pop-up's
// own list closes as the pop-up is moved.
void ClosePickerLists(const PickerView& view)
{
    SendMessageW(view.FaceCombo, CB_SHOWDROPDOWN, FALSE, 0);
    SendMessageW(view.FilterCombo, CB_SHOWDROPDOWN, FALSE, 0);
}

void ClearFilterAndFillPopup(PickerView& view, const FaceLists& lists, bool readingSearch)
{
    SetWindowTextW(view.FilterCombo, L"");
    RefreshPicker(view, lists, readingSearch);
    FillCombo(view, lists, view.PopupCombo, lists.FaceList);
}

// The combo box's height includes its list: the list reaches down to the bottom of the work
// area, or, where it does not fit below, the system opens it upward just as tall as placed.
void DropDownAt(HWND popupCombo, const PopupPlacement& placement)
{
    const ScreenRect& field = placement.field;
    SetWindowPos(popupCombo, HWND_TOPMOST, field.left, field.top, field.right - field.left,
                 field.bottom - field.top + placement.list.bottom - placement.list.top, 0);
    ShowWindow(popupCombo, SW_SHOW);
    SendMessageW(popupCombo, CB_SETCURSEL, 0, 0);
    SendMessageW(popupCombo, CB_SHOWDROPDOWN, TRUE, 0);
}

} // namespace

void RegisterPopupHotKey(HWND pickerWindow, const SettingsRecord& settings)
{
    UnregisterPopupHotKey(pickerWindow);
    if (!settings.HotKey) {
        return;
    }
    PopupHotKey hotKey = DecodePopupHotKey(settings.HotKeys);
    // Held down, the combination repeats; only its first press counts. Systems before Windows 7
    // refuse the flag and get every repeat.
    if (!RegisterHotKey(pickerWindow, POPUP_HOTKEY_ID, hotKey.modifiers | NoRepeatModifier,
                        hotKey.key)) {
        RegisterHotKey(pickerWindow, POPUP_HOTKEY_ID, hotKey.modifiers, hotKey.key);
    }
}

void UnregisterPopupHotKey(HWND pickerWindow)
{
    UnregisterHotKey(pickerWindow, POPUP_HOTKEY_ID);
}

void ShowPopupAtCursor(PickerState& state)
{
    if (state.modes.EditMode || state.modes.ChoiceInProgress) {
        return;
    }
    POINT cursor = {};
    GetCursorPos(&cursor);
    PickerView& view = state.view;
    ClosePickerLists(view);
    ClearFilterAndFillPopup(view, state.lists, state.settings.ReadingSearch != 0);
    DropDownAt(view.PopupCombo, PlaceAt(view, state.lists, cursor));
}
