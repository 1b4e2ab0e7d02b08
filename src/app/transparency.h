#pragma once
#include <windows.h>

#include "app/run_modes.h"
#include "settings/settings_record.h"

// Decides whether the system can draw the picker translucent and, if so, makes it layered.
void CheckTransparencySupport(HWND pickerWindow, RunModes& modes);
// Puts Transparent and Alpha into effect; does nothing where transparency is unavailable.
void ApplyTransparency(HWND pickerWindow, const RunModes& modes, const SettingsRecord& settings);
