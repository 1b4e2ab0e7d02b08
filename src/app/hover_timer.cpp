#include "app/hover_timer.h"

#include <atomic>

#include "app/hover_decision.h"
#include "app/transparency.h"
#include "settings/settings_record.h"
#include "shell/multimedia_timer.h"
#include "shell/process_state.h"
#include "shell/wide_text.h"
#include "view/picker_controls.h"

namespace {

const UINT TickPeriodMs = 100;
const int IconWindowSize = 32;

UINT HoverTimerId;
UINT TimerResolution;
// Written by the timer's thread only.
int HideTicks;
// Shut-down raises the flag; a tick that finds it raised does nothing. Ticks in progress are
// counted, so shut-down can serve their window calls until the last one has finished.
std::atomic<bool> HoverTimerStopping;
std::atomic<int> TicksInFlight;

WindowId Id(HWND window)
{
    return reinterpret_cast<WindowId>(window);
}

HWND Handle(WindowId id)
{
    return reinterpret_cast<HWND>(id);
}

HoverTickInputs ObserveTick()
{
    HoverTickInputs in = {};
    POINT cursor = {};
    GetCursorPos(&cursor);
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(PickerWindow, &placement);
    HWND foreground = GetForegroundWindow();

    in.cursor = {cursor.x, cursor.y};
    in.pickerNormalRect = {placement.rcNormalPosition.left, placement.rcNormalPosition.top,
                           placement.rcNormalPosition.right, placement.rcNormalPosition.bottom};
    in.windowUnderCursor = Id(WindowFromPoint(cursor));
    in.iconWindowVisible = IsWindowVisible(IconWindow) != 0;
    in.foregroundWindow = Id(foreground);
    in.activeWindow = Id(GetActiveWindow());
    in.foregroundIsShell = foreground != nullptr && IsShellWindow(foreground);
    in.picker = Id(PickerWindow);
    in.iconWindow = Id(IconWindow);
    in.faceCombo = Id(FaceCombo);
    in.filterCombo = Id(FilterCombo);
    in.popupCombo = Id(PopupCombo);
    in.dialogOpen = OptionsOpen || AboutOpen || ClipAddOpen;
    in.autoHideArmed = AutoHideArmed != 0;
    in.autoPasteArmed = AutoPasteArmed != 0;
    in.transparencyAvailable = TransparencyAvailable != 0;
    in.iconMode = Settings.Icon != 0;
    in.hideTime = Settings.HideTime;
    in.autoPulldown = Settings.AutoPulldown != 0;
    in.hideTicks = HideTicks;
    return in;
}

void CarryOut(HoverAction action, const HoverTickInputs& in)
{
    switch (action) {
    case HoverAction::HideIconWindow: ShowWindow(IconWindow, SW_HIDE); break;
    case HoverAction::ShowPicker: ShowWindow(PickerWindow, SW_SHOW); break;
    case HoverAction::ApplyTransparency: ApplyTransparency(); break;
    case HoverAction::HidePicker: ShowWindow(PickerWindow, SW_HIDE); break;
    case HoverAction::ShowIconWindowAtPicker:
        ShowWindow(IconWindow, SW_SHOW);
        SetWindowPos(IconWindow, HWND_TOPMOST, in.pickerNormalRect.left, in.pickerNormalRect.top,
                     IconWindowSize, IconWindowSize, 0);
        break;
    }
}

void DropDownOnly(HWND opened)
{
    for (HWND combo : {FaceCombo, FilterCombo, PopupCombo}) {
        if (combo != opened) {
            SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
        }
    }
    SendMessageW(opened, CB_SHOWDROPDOWN, TRUE, 0);
}

void RunTick()
{
    HoverTickInputs inputs = ObserveTick();
    HoverTickDecision decision = DecideHoverTick(inputs);
    for (HoverAction action : decision.actions) {
        CarryOut(action, inputs);
    }
    HideTicks = decision.hideTicks;
    if (decision.pasteTargetChanged) {
        PasteTarget = Handle(decision.pasteTarget);
    }
    switch (decision.pulldown) {
    case PulldownTarget::FaceCombo: DropDownOnly(FaceCombo); break;
    case PulldownTarget::FilterCombo: DropDownOnly(FilterCombo); break;
    case PulldownTarget::PopupCombo: DropDownOnly(PopupCombo); break;
    case PulldownTarget::None: break;
    }
}

void CALLBACK OnHoverTick(UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR)
{
    ++TicksInFlight;
    // A tick's showing, hiding and dropping down would cut into a choice being pasted.
    if (!HoverTimerStopping && !ChoiceInProgress) {
        RunTick();
    }
    --TicksInFlight;
}

// A tick's window calls wait for this thread: keep answering them until no tick is left.
void ServeTicksInFlight()
{
    while (TicksInFlight > 0) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

} // namespace

void SetHoverTimer(HWND pickerWindow, bool on)
{
    // Without the system's winmm.dll there is no tick: no auto-hide, no auto pull-down.
    const MultimediaTimerFunctions* timer = MultimediaTimer();
    if (timer == nullptr) {
        return;
    }
    if (on) {
        TIMECAPS capabilities = {};
        // Without reported capabilities the finest resolution is asked for.
        TimerResolution = timer->getDevCaps(&capabilities, sizeof capabilities) == TIMERR_NOERROR
                              ? capabilities.wPeriodMin
                              : 1;
        timer->beginPeriod(TimerResolution);
        HoverTimerStopping = false;
        HoverTimerId = timer->setEvent(TickPeriodMs, TimerResolution, OnHoverTick,
                                       reinterpret_cast<DWORD_PTR>(pickerWindow), TIME_PERIODIC);
        return;
    }
    HoverTimerStopping = true;
    timer->killEvent(HoverTimerId);
    timer->endPeriod(TimerResolution);
    ServeTicksInFlight();
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
