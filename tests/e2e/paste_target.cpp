// A window to paste into: an edit control the user types in, and a log of every key message
// the edit control receives ("D" or "U", the virtual key in hex, "E" for an extended key), kept
// in a second, hidden edit control so a test can read both by message.
#include <windows.h>

#include <cstdio>

namespace {

HWND InputEdit;
HWND KeyLog;
WNDPROC OriginalEditProc;

void LogKey(const char* direction, WPARAM virtualKey, LPARAM keyData)
{
    char entry[16];
    std::snprintf(entry, sizeof entry, "%s%02X%s ", direction, static_cast<unsigned>(virtualKey),
                  (keyData & (1 << 24)) ? "E" : "");
    int end = GetWindowTextLengthA(KeyLog);
    SendMessageA(KeyLog, EM_SETSEL, end, end);
    SendMessageA(KeyLog, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(entry));
}

LRESULT CALLBACK InputEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: LogKey("D", wParam, lParam); break;
    case WM_KEYUP:
    case WM_SYSKEYUP: LogKey("U", wParam, lParam); break;
    }
    return CallWindowProcW(OriginalEditProc, window, message, wParam, lParam);
}

LRESULT CALLBACK TargetWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETFOCUS: SetFocus(InputEdit); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

// The command line may give the window's position: "x y".
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    int x = 400;
    int y = 300;
    std::sscanf(commandLine, "%d %d", &x, &y);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = TargetWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "VemplorPasteTarget";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "VemplorPasteTarget", "Paste target", WS_OVERLAPPEDWINDOW, x,
                                  y, 400, 200, nullptr, nullptr, instance, nullptr);
    // A Unicode edit control, so characters outside the code page arrive as they are.
    InputEdit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, 10, 10, 360,
                                120, window, nullptr, instance, nullptr);
    KeyLog = CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_MULTILINE, 0, 0, 0, 0, window, nullptr,
                             instance, nullptr);
    OriginalEditProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(InputEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(InputEditProc)));
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(InputEdit);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
