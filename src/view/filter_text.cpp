#include "view/filter_text.h"

#include <windows.h>

#include "view/picker_controls.h"

// The length the system reports may exceed the text (it counts conservatively for double-byte
// text); the copy tells the true one.
std::string FilterText()
{
    int length = GetWindowTextLengthA(FilterCombo);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(FilterCombo, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

bool IsFilterTyped()
{
    return GetWindowTextLengthA(FilterCombo) > 0;
}
