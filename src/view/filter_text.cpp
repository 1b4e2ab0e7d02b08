#include "view/filter_text.h"

#include <windows.h>

#include "view/picker_controls.h"
#include "view/window_text.h"

std::string FilterText()
{
    return WindowText(FilterCombo);
}

bool IsFilterTyped()
{
    return GetWindowTextLengthA(FilterCombo) > 0;
}
