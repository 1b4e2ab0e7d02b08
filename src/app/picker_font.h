#pragma once
#include <windows.h>

#include "settings/settings_record.h"
#include "view/picker_view.h"

// Builds the font record from FontSize, FontStyle and FontName of the settings at the picker's
// DPI, gives a new font to the six controls and only then deletes the font they had.
void ReplacePickerFont(PickerView& view, const SettingsRecord& settings);
void DeletePickerFont(PickerView& view);
