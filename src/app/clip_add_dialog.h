#pragma once
#include "app/picker_state.h"

// Offers the clipboard's text for adding to the emoticons, in a modal dialog owned by the
// picker. The user may change the text first; a face already in the list is not added twice.
void ShowClipAddDialog(PickerState& state);
