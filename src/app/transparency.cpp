#include "app/transparency.h"

#include "app/transparency_rule.h"
#include "settings/settings_record.h"
#include "shell/process_state.h"
#include "view/layout_math.h"

namespace {

using SetLayeredWindowAttributesPointer = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

HMODULE User32Module;
SetLayeredWindowAttributesPointer SetLayeredWindowAttributesFn;

} // namespace

void CheckTransparencySupport(HWND pickerWindow)
{
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExW(&version);
    if (LayeringAllowed(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion)) {
        EnableLayering(pickerWindow);
    }
}

void EnableLayering(HWND pickerWindow)
{
    User32Module = LoadLibraryW(L"User32.dll");
    if (User32Module == nullptr) {
        TransparencyAvailable = 0;
        return;
    }
    SetLayeredWindowAttributesFn = reinterpret_cast<SetLayeredWindowAttributesPointer>(
        reinterpret_cast<void*>(GetProcAddress(User32Module, "SetLayeredWindowAttributes")));
    // A library without the entry point cannot make anything translucent.
    TransparencyAvailable = SetLayeredWindowAttributesFn != nullptr;
    if (TransparencyAvailable) {
        LONG extended = GetWindowLongW(pickerWindow, GWL_EXSTYLE);
        SetWindowLongW(pickerWindow, GWL_EXSTYLE, extended | WS_EX_LAYERED);
    }
}

void ApplyTransparency()
{
    if (!TransparencyAvailable) {
        return;
    }
    SetLayeredWindowAttributesFn(PickerWindow, 0,
                                 TransparencyAlpha(Settings.Transparent != 0, Settings.Alpha),
                                 LWA_ALPHA);
}

void ReleaseUser32Module()
{
    FreeLibrary(User32Module);
}
