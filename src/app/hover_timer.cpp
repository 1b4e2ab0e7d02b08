#include "app/hover_timer.h"

#include "app/hover_decision.h"
#include "app/transparency.h"
#include "shell/wide_text.h"

namespace {

const UINT TickPeriodMs = 100;
const int IconWindowSize = 32;

// The tick's own id among the picker window's timers.
const UINT_PTR HoverTimerId = 1;

WindowId Id(HWND window)
{
    return reinterpret_cast<WindowId>(window);
}

HWND Handle(WindowId id)
{
    return reinterpret_cast<HWND>(id);
}

HoverTickInputs ObserveTick(const PickerState& state)
{
    const PickerView& view = state.view;
    const RunModes& modes = state.modes;
    HoverTickInputs in = {};
    POINT cursor = {};
    GetCursorPos(&cursor);
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(view.PickerWindow, &placement);
    HWND foreground = GetForegroundWindow();

    in.cursor = {cursor.x, cursor.y};
    in.pickerNormalRect = {placement.rcNormalPosition.left, placement.rcNormalPosition.top,
                           placement.rcNormalPosition.right, placement.rcNormalPosition.bottom};
    in.windowUnderCursor = Id(WindowFromPoint(cursor));
    in.iconWindowVisible = IsWindowVisible(state.IconWindow) != 0;
    in.foregroundWindow = Id(foreground);
    in.activeWindow = Id(GetActiveWindow());
    in.foregroundIsShell = foreground != nullptr && IsShellWindow(foreground);
    in.picker = Id(view.PickerWindow);
    in.iconWindow = Id(state.IconWindow);
    in.faceCombo = Id(view.FaceCombo);
    in.filterCombo = Id(view.FilterCombo);
    in.popupCombo = Id(view.PopupCombo);
    in.dialogOpen =
        modes.OptionsOpen || modes.AboutOpen || modes.ClipAddOpen || modes.DictionaryOpen;
    in.autoHideArmed = modes.AutoHideArmed != 0;
    in.autoPasteArmed = modes.AutoPasteArmed != 0;
    in.transparencyAvailable = modes.TransparencyAvailable != 0;
    in.iconMode = state.settings.Icon != 0;
    in.hideTime = state.settings.HideTime;
    in.autoPulldown = state.settings.AutoPulldown != 0;
    in.hideTicks = modes.HideTicks;
    return in;
}

void CarryOut(const PickerState& state, HoverAction action, const HoverTickInputs& in)
{
    HWND pickerWindow = state.view.PickerWindow;
    HWND iconWindow = state.IconWindow;
    switch (action) {
    case HoverAction::HideIconWindow: ShowWindow(iconWindow, SW_HIDE); break;
    case HoverAction::ShowPicker: ShowWindow(pickerWindow, SW_SHOW); break;
    case HoverAction::ApplyTransparency:
        ApplyTransparency(pickerWindow, state.modes, state.settings);
        break;
    case HoverAction::HidePicker: ShowWindow(pickerWindow, SW_HIDE); break;
    case HoverAction::ShowIconWindowAtPicker:
        ShowWindow(iconWindow, SW_SHOW);
        SetWindowPos(iconWindow, HWND_TOPMOST, in.pickerNormalRect.left, in.pickerNormalRect.top,
                     IconWindowSize, IconWindowSize, 0);
        break;
    }
}

void DropDownOnly(const PickerView& view, HWND opened)
{
    for (HWND combo : {view.FaceCombo, view.FilterCombo, view.PopupCombo}) {
        if (combo != opened) {
            SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
        }
    }
    SendMessageW(opened, CB_SHOWDROPDOWN, TRUE, 0);
}

void RunTick(PickerState& state)
{
    HoverTickInputs inputs = ObserveTick(state);
    HoverTickDecision decision = DecideHoverTick(inputs);
    for (HoverAction action : decision.actions) {
        CarryOut(state, action, inputs);
    }
    state.modes.HideTicks = decision.hideTicks;
    if (decision.pasteTargetChanged) {
        state.modes.PasteTarget = Handle(decision.pasteTarget);
    }
    const PickerView& view = state.view;
    switch (decision.pulldown) {
    case PulldownTarget::FaceCombo: DropDownOnly(view, view.FaceCombo); break;
    case PulldownTarget::FilterCombo: DropDownOnly(view, view.FilterCombo); break;
    case PulldownTarget::PopupCombo: DropDownOnly(view, view.PopupCombo); break;
    case PulldownTarget::None: break;
    }
}

} // namespace

void SetHoverTimer(HWND pickerWindow, bool on)
{
    if (on) {
        SetTimer(pickerWindow, HoverTimerId, TickPeriodMs, nullptr);
    } else {
        KillTimer(pickerWindow, HoverTimerId);
    }
}

// Modal loops (dialogs, menus, moving and sizing the window) dispatch the tick as well, so it
// keeps watching while they run.
void OnHoverTick(PickerState& state, UINT_PTR timerId)
{
    // A tick's showing, hiding and dropping down would cut into a choice being pasted.
    if (timerId == HoverTimerId && !state.modes.ChoiceInProgress) {
        RunTick(state);
    }
}

bool IsShellWindow(HWND window)
{
    if (window == GetDesktopWindow() || window == GetShellWindow()) {
        return true;
    }
    wchar_t className[64] = {};
    GetClassNameW(GetAncestor(window, GA_ROOTOWNER), className, 64);
    return IsShellWindowClass(ShiftJisFromWide(className).c_str());
}
