#include "paste/choice.h"

#include <string>

#include "app/app_state.h"
#include "view/picker_controls.h"
#include "view/picker_fill.h"

namespace {

// The chosen filter goes into the edit field first: when the choice is reported the field
// still holds the previous text.
void ApplyChosenFilter()
{
    LRESULT index = SendMessageA(FilterCombo, CB_GETCURSEL, 0, 0);
    LRESULT length = SendMessageA(FilterCombo, CB_GETLBTEXTLEN, index, 0);
    if (index < 0 || length < 0) {
        return;
    }
    std::string filter(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(FilterCombo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&filter[0]));
    SetWindowTextA(FilterCombo, filter.c_str());
    RefreshPicker();
    UpdateTitleCounter(PickerWindow);
}

} // namespace

void OnChoice(HWND combo)
{
    if (combo == FilterCombo) {
        ApplyChosenFilter();
    }
}
