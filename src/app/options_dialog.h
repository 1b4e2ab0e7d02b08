#pragma once
#include <windows.h>

#include "app/picker_state.h"
#include "resource.h"

// The width conversion's radio buttons, in the order of the stored values 0, 1, 2.
const int ConversionRadios[] = {IDC_CHAR_NONE, IDC_CHAR_TO_HALF, IDC_CHAR_TO_FULL};

// Runs the options dialog over the picker, held off from everything else while it is open.
void ShowOptionsDialog(PickerState& state);

// The dialog's steps, each in its own file.
// Fills the controls from the settings file (not from memory) and records what it reads.
void InitOptionsDialog(HWND dialog, PickerState& state);
// OK: writes every key the dialog edits, then puts all of them into effect at once.
void ApplyOptions(HWND dialog, PickerState& state);
// Enables the controls that depend on the check box exactly while it is ticked; pass 0 to apply
// every rule.
void ApplyEnablingRules(HWND dialog, int checkBoxId, bool transparencyAvailable);
