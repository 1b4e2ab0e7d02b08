#pragma once
#include "app/picker_state.h"

// "エクスポート": writes the emoticon list as an input method's dictionary, in the format chosen
// in the save dialog, and says what it wrote and which entries it left out.
void RunExportCommand(PickerState& state);
