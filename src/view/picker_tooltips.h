#pragma once
#include <windows.h>
#include <commctrl.h>

#include "view/picker_view.h"

// Creates the balloon tooltip of the two combo boxes; its texts are asked for at each showing.
void CreatePickerToolTips(const PickerView& view);

// Answers a tooltip's request for its text: the emoticon list, or the filter box and its edit
// field. Nothing is answered unless the ToolTip setting is 1.
void AnswerToolTipText(const PickerView& view, int toolTipSetting, NMTTDISPINFOW& request);
