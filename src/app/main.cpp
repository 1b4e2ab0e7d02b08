// Process entry: registers the picker's window class, creates the picker and runs the message
// loop until the window is destroyed.
#include <windows.h>

#include "app/picker_icon.h"
#include "app/picker_state.h"
#include "app/picker_window.h"
#include "app/shutdown.h"
#include "view/picker_fill.h"
#include "view/search_keys.h"

namespace {

// A failed fetch leaves the last message in place, whose wParam could pass for success.
const int MessageFetchFailedExitCode = 1;

ATOM RegisterPickerClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = PickerWindowProc;
    windowClass.hInstance = instance;
    // Kept for the process's lifetime, as the class is.
    windowClass.hIcon = LoadPickerIcon(IconMetric::Large);
    windowClass.hIconSm = LoadPickerIcon(IconMetric::Small);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"Vemplor";
    return RegisterClassExW(&windowClass);
}

// The next message, answered as GetMessage answers. While none waits, the search keys of a list
// just loaded or changed are folded a part at a time, then a long list still on its way into a
// control gets its next short slice.
BOOL NextMessage(PickerState& state, MSG& message)
{
    while (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        bool folding = state.settings.ReadingSearch &&
                       ContinueSearchKeys(state.view.searchKeys, state.lists);
        if (!folding && !ContinueComboFills(state.view, state.lists)) {
            return GetMessageW(&message, nullptr, 0, 0);
        }
    }
    return message.message == WM_QUIT ? 0 : 1;
}

} // namespace

// The picker's state lives here, as long as the message loop and beyond the window.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    if (RegisterPickerClass(instance) == 0) {
        return 0;
    }
    PickerState state = {};
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, L"Vemplor", L"Vemplor",
                                  WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, 0, 0, 0, 0, nullptr,
                                  nullptr, instance, &state);
    if (window == nullptr) {
        return 0;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    MSG message = {};
    for (;;) {
        BOOL fetched = NextMessage(state, message);
        if (fetched == 0) {
            ReleaseProcessResources(state);
            return static_cast<int>(message.wParam);
        }
        if (fetched == -1) {
            return MessageFetchFailedExitCode;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
