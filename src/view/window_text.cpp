#include "view/window_text.h"

// The length the system reports may exceed the text (it counts conservatively for double-byte
// text); the copy tells the true one.
std::string WindowText(HWND window)
{
    int length = GetWindowTextLengthA(window);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(window, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}
