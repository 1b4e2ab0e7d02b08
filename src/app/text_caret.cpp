#include "app/text_caret.h"

#include <oleacc.h>

#include "shell/system_library.h"

namespace {

using AccessibleObjectFromWindowFunction = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);

// IID_IAccessible, which would otherwise come from oleacc's import library: oleacc.dll is no
// DLL Windows protects, so it is loaded from the system folder when asked for.
const IID AccessibleInterface = {0x618736e0, 0x3c3d, 0x11cf,
                                 {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

bool ThreadCaret(HWND foreground, RECT& caret)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &info) ||
        info.hwndCaret == nullptr) {
        return false;
    }
    caret = info.rcCaret;
    MapWindowPoints(info.hwndCaret, nullptr, reinterpret_cast<POINT*>(&caret), 2);
    return true;
}

bool LocateAccessibleCaret(AccessibleObjectFromWindowFunction fromWindow, HWND foreground,
                           RECT& caret)
{
    IAccessible* accessible = nullptr;
    if (FAILED(fromWindow(foreground, static_cast<DWORD>(OBJID_CARET), AccessibleInterface,
                          reinterpret_cast<void**>(&accessible))) ||
        accessible == nullptr) {
        return false;
    }
    VARIANT self = {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    long left = 0, top = 0, width = 0, height = 0;
    bool located = accessible->accLocation(&left, &top, &width, &height, self) == S_OK &&
                   height > 0;
    accessible->Release();
    if (located) {
        caret = {left, top, left + width, top + height};
    }
    return located;
}

// The object comes from another process through COM, which this thread needs for the call.
bool AccessibleCaret(HWND foreground, RECT& caret)
{
    HMODULE oleacc = LoadSystemLibrary(L"oleacc.dll");
    if (oleacc == nullptr) {
        return false;
    }
    auto fromWindow = reinterpret_cast<AccessibleObjectFromWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(oleacc, "AccessibleObjectFromWindow")));
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool located = fromWindow != nullptr && LocateAccessibleCaret(fromWindow, foreground, caret);
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    FreeLibrary(oleacc);
    return located;
}

} // namespace

bool FindTextCaret(HWND foreground, RECT& caret)
{
    return foreground != nullptr &&
           (ThreadCaret(foreground, caret) || AccessibleCaret(foreground, caret));
}
