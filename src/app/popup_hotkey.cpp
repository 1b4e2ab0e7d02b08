#include "app/popup_hotkey.h"

#include <windows.h>

#include "app/hotkey_code.h"
#include "app/hover_timer.h"
#include "app/popup_placement.h"
#include "app/popup_window.h"
#include "app/text_caret.h"
#include "resource.h"
#include "view/picker_fill.h"

namespace {

// MOD_NOREPEAT of Windows 7, which the headers hide from a build for older systems.
const UINT NoRepeatModifier = 0x4000;

HMONITOR MonitorOf(const PopupAnchor& anchor, POINT cursor)
{
    if (!anchor.caretKnown) {
        return MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST);
    }
    RECT caret = {anchor.caret.left, anchor.caret.top, anchor.caret.right, anchor.caret.bottom};
    return MonitorFromRect(&caret, MONITOR_DEFAULTTONEAREST);
}

PopupPlacement PlaceAt(const PickerState& state, const PopupAnchor& anchor)
{
    POINT cursor = {};
    GetCursorPos(&cursor);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorOf(anchor, cursor), &monitor);
    // The pop-up looks like the picker's own list: as wide, and its field as tall.
    RECT face = {};
    GetWindowRect(state.view.FaceCombo, &face);
    PopupMetrics metrics = {};
    metrics.cursor = {cursor.x, cursor.y};
    metrics.workArea = {monitor.rcWork.left, monitor.rcWork.top, monitor.rcWork.right,
                        monitor.rcWork.bottom};
    metrics.width = face.right - face.left;
    metrics.fieldHeight = face.bottom - face.top;
    metrics.itemHeight = PopupItemHeight(state.popup);
    metrics.itemCount = static_cast<long>(state.lists.FaceList.size());
    metrics.caretKnown = anchor.caretKnown;
    metrics.caret = anchor.caret;
    return PlacePopup(metrics);
}

// Another program's window, where a paste may go; not the desktop or the taskbar.
bool IsOtherProgramsWindow(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return window != nullptr && processId != GetCurrentProcessId() && !IsShellWindow(window);
}

// The window in front when the hotkey was pressed, and its caret. Pressed in the picker, on the
// desktop or while the pop-up is open, the window the picker last noted (or the pop-up's own)
// stays the target, and the pop-up opens where it was.
PopupAnchor FindAnchor(const PickerState& state)
{
    const PopupAnchor* open = OpenPopupAnchor(state);
    PopupAnchor anchor = open != nullptr ? *open : PopupAnchor{state.modes.PasteTarget, false, {}};
    HWND front = GetForegroundWindow();
    RECT caret = {};
    if (open == nullptr && IsOtherProgramsWindow(front)) {
        anchor.target = front;
        anchor.caretKnown = FindTextCaret(front, caret);
        anchor.caret = {caret.left, caret.top, caret.right, caret.bottom};
    }
    anchor.caretKnown = anchor.caretKnown && state.settings.PopupAt == 0;
    return anchor;
}

// A list still open in the picker would stay on the screen beside the pop-up.
void ClosePickerLists(const PickerView& view)
{
    SendMessageW(view.FaceCombo, CB_SHOWDROPDOWN, FALSE, 0);
    SendMessageW(view.FilterCombo, CB_SHOWDROPDOWN, FALSE, 0);
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
    PopupAnchor anchor = FindAnchor(state);
    PickerView& view = state.view;
    ClosePickerLists(view);
    ShowWholePickerList(view, state.lists, state.settings.ReadingSearch != 0);
    OpenPopup(state, anchor, PlaceAt(state, anchor));
}
