#include "app/hover_decision.h"

#include <cstring>

namespace {

bool StrictlyInside(ScreenPoint point, ScreenRect rect)
{
    return rect.left < point.x && point.x < rect.right && rect.top < point.y &&
           point.y < rect.bottom;
}

void DecideAutoHide(const HoverTickInputs& in, HoverTickDecision& out)
{
    bool overPicker = StrictlyInside(in.cursor, in.pickerNormalRect) && !in.iconWindowVisible;
    bool overIcon = in.windowUnderCursor != 0 && in.windowUnderCursor == in.iconWindow;
    if (overPicker || overIcon) {
        if (in.iconMode) {
            out.actions.push_back(HoverAction::HideIconWindow);
        } else if (in.transparencyAvailable) {
            out.actions.push_back(HoverAction::ApplyTransparency);
        }
        out.actions.push_back(HoverAction::ShowPicker);
        out.hideTicks = 0;
        return;
    }
    if (out.hideTicks > in.hideTime / 100) {
        out.actions.push_back(HoverAction::HidePicker);
        if (in.iconMode) {
            out.actions.push_back(HoverAction::ShowIconWindowAtPicker);
        }
        out.hideTicks = 0;
    }
    out.hideTicks += 1;
}

// The window the user was typing in: anything in front that is neither ours nor the shell's.
void DecidePasteTarget(const HoverTickInputs& in, HoverTickDecision& out)
{
    WindowId front = in.foregroundWindow;
    bool ours = front == in.picker || in.activeWindow == in.picker || front == in.popupCombo ||
                in.activeWindow == in.popupCombo || front == in.iconWindow;
    if (front != 0 && !ours && !in.foregroundIsShell) {
        out.pasteTargetChanged = true;
        out.pasteTarget = front;
    }
}

PulldownTarget DecidePulldown(const HoverTickInputs& in)
{
    WindowId under = in.windowUnderCursor;
    if (under == 0) {
        return PulldownTarget::None;
    }
    if (under == in.faceCombo) {
        return PulldownTarget::FaceCombo;
    }
    if (under == in.filterCombo) {
        return PulldownTarget::FilterCombo;
    }
    if (under == in.popupCombo) {
        return PulldownTarget::PopupCombo;
    }
    return PulldownTarget::None;
}

} // namespace

HoverTickDecision DecideHoverTick(const HoverTickInputs& inputs)
{
    HoverTickDecision decision = {{}, inputs.hideTicks, false, 0, PulldownTarget::None};
    if (!inputs.dialogOpen) {
        if (inputs.autoHideArmed) {
            DecideAutoHide(inputs, decision);
        } else {
            decision.actions.push_back(HoverAction::HideIconWindow);
        }
        if (inputs.autoPasteArmed) {
            DecidePasteTarget(inputs, decision);
        }
    }
    if (inputs.autoPulldown) {
        decision.pulldown = DecidePulldown(inputs);
    }
    return decision;
}

bool IsShellWindowClass(const char* className)
{
    static const char* const shellClasses[] = {
        "Shell_TrayWnd", "Shell_SecondaryTrayWnd", "NotifyIconOverflowWindow",
        "Progman",       "WorkerW",                "#32769",
    };
    for (const char* shellClass : shellClasses) {
        if (std::strcmp(className, shellClass) == 0) {
            return true;
        }
    }
    return false;
}
