#include "app/transparency.h"

#include "app/transparency_rule.h"
#include "shell/system_library.h"
#include "view/layout_math.h"

namespace {

using SetLayeredWindowAttributesPointer = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// Looked up at run time: a user32 without the entry point cannot make anything translucent.
SetLayeredWindowAttributesPointer SetLayeredWindowAttributesFn()
{
    return reinterpret_cast<SetLayeredWindowAttributesPointer>(
        ImportedDllFunction(L"user32.dll", "SetLayeredWindowAttributes"));
}

// Gives the picker the layered style where the system has the layered-window entry point.
void EnableLayering(HWND pickerWindow, RunModes& modes)
{
    modes.TransparencyAvailable = SetLayeredWindowAttributesFn() != nullptr;
    if (modes.TransparencyAvailable) {
        LONG extended = GetWindowLongW(pickerWindow, GWL_EXSTYLE);
        SetWindowLongW(pickerWindow, GWL_EXSTYLE, extended | WS_EX_LAYERED);
    }
}

} // namespace

void CheckTransparencySupport(HWND pickerWindow, RunModes& modes)
{
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExW(&version);
    if (LayeringAllowed(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion)) {
        EnableLayering(pickerWindow, modes);
    }
}

void ApplyTransparency(HWND pickerWindow, const RunModes& modes, const SettingsRecord& settings)
{
    if (!modes.TransparencyAvailable) {
        return;
    }
    SetLayeredWindowAttributesFn()(pickerWindow, 0,
                                   TransparencyAlpha(settings.Transparent != 0, settings.Alpha),
                                   LWA_ALPHA);
}
