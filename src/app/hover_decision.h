#pragma once
// What one tick of the hover timer does, decided from what the tick observed. Windows are
// identified by their handle values; 0 means no window.
#include <cstdint>
#include <vector>

#include "app/screen_geometry.h"

using WindowId = std::uintptr_t;

struct HoverTickInputs {
    // Observed this tick.
    ScreenPoint cursor;
    ScreenRect pickerNormalRect; // the restored rectangle, known also while hidden
    WindowId windowUnderCursor;
    bool iconWindowVisible;
    WindowId foregroundWindow;
    WindowId activeWindow;
    // The foreground window belongs to the shell (taskbar, notification area, desktop).
    bool foregroundIsShell;
    // The program's windows.
    WindowId picker;
    WindowId iconWindow;
    WindowId faceCombo;
    WindowId filterCombo;
    WindowId popupCombo;
    // Flags and settings.
    bool dialogOpen;
    bool autoHideArmed;
    bool autoPasteArmed;
    bool transparencyAvailable;
    bool iconMode;
    int hideTime;
    bool autoPulldown;
    int hideTicks;
};

enum class HoverAction {
    HideIconWindow,
    ShowPicker,
    ApplyTransparency,
    HidePicker,
    ShowIconWindowAtPicker, // shown, topmost, 32 x 32 at the picker's normal top-left
};

enum class PulldownTarget { None, FaceCombo, FilterCombo, PopupCombo };

struct HoverTickDecision {
    std::vector<HoverAction> actions; // in the order they are carried out
    int hideTicks;
    bool pasteTargetChanged;
    WindowId pasteTarget;
    PulldownTarget pulldown; // this list drops down, the other two close
};

HoverTickDecision DecideHoverTick(const HoverTickInputs& inputs);

// Shell windows are never a place to paste into: the taskbar, its notification area and the
// desktop.
bool IsShellWindowClass(const char* className);
