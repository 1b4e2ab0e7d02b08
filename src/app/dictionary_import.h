#pragma once
#include <windows.h>
#include <shellapi.h>

#include "app/picker_state.h"

// "インポート": asks for a dictionary or an emoticon list and imports it (see ImportDictionaryFile).
void RunImportCommand(PickerState& state);

// Files dropped on the picker are imported one after the other, as if chosen in the dialog.
void ImportDroppedFiles(PickerState& state, HDROP drop);
