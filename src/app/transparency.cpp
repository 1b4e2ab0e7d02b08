#include "app/transparency.h"

#include "app/transparency_rule.h"
#include "settings/settings_record.h"
#include "shell/process_state.h"
#include "shell/system_library.h"
#include "view/layout_math.h"

namespace {

using SetLayeredWindowAttributesPointer = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

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
    SetLayeredWindowAttributesFn = reinterpret_cast<SetLayeredWindowAttributesPointer>(
        ImportedDllFunction(L"user32.dll", "SetLayeredWindowAttributes"));
    // A user32 without the entry point cannot make anything translucent.
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
