#pragma once
#include <windows.h>

#include "app/picker_state.h"

// The exit command: destroys the picker, whose WM_DESTROY tears down and ends the message loop
// with exit code 0. Asked for while a modal dialog runs, it waits until the dialog has closed.
void EndProgram(HWND pickerWindow, RunModes& modes);

// Saves the list (edit mode's rows and an open editor's text included) and the window's place,
// and gives back what would outlive the process: the tray icon, the hotkey and the hover timer.
// Serves the exit's WM_DESTROY and the end of the Windows session. Safe to run again: each run
// saves the latest state, and giving back what is already gone does nothing.
void TearDown(PickerState& state);

// Once the window and its controls are gone: the font they drew with and the menu.
void ReleaseProcessResources(PickerState& state);
