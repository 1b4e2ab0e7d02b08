#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

#include "app/picker_state.h"

// A choice in one of the combo boxes: an emoticon to copy and paste, or a prepared filter.
void OnChoice(PickerState& state, HWND combo);

// A choice in the hotkey's pop-up: face, item index of what it shows (FaceList itself unless
// filtered), goes onto the clipboard, is pasted into target and moves to the top. True when the
// paste is left to the user: target runs as administrator, which a keystroke cannot reach.
bool OnPopupChoice(PickerState& state, HWND popup, const std::string& face, std::size_t index,
                   HWND target);
