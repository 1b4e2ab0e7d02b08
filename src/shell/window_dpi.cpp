#include "shell/window_dpi.h"

#include "shell/system_library.h"

namespace {

using DpiForWindowPointer = UINT(WINAPI*)(HWND);
using DpiForMonitorPointer = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using MetricsForDpiPointer = int(WINAPI*)(int, UINT);

// MDT_EFFECTIVE_DPI: the DPI the user's scaling setting gives the monitor.
const int EffectiveDpi = 0;

void* User32Function(const char* name)
{
    return ImportedDllFunction(L"user32.dll", name);
}

// Windows 8.1 knows each monitor's DPI but not yet a window's: the DPI of the window's monitor,
// or 0 on older systems, whose system folder has no shcore.dll.
UINT MonitorDpiOf(HWND window)
{
    HMODULE shcore = LoadSystemLibrary(L"shcore.dll");
    if (shcore == nullptr) {
        return 0;
    }
    auto dpiForMonitor = reinterpret_cast<DpiForMonitorPointer>(
        reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")));
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (dpiForMonitor == nullptr ||
        dpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), EffectiveDpi, &dpiX,
                      &dpiY) != S_OK) {
        dpiX = 0;
    }
    FreeLibrary(shcore);
    return dpiX;
}

} // namespace

int WindowDpi(HWND window)
{
    auto dpiForWindow = reinterpret_cast<DpiForWindowPointer>(User32Function("GetDpiForWindow"));
    UINT dpi = dpiForWindow != nullptr ? dpiForWindow(window) : MonitorDpiOf(window);
    if (dpi != 0) {
        return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    int screenDpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return screenDpi;
}

int MetricForDpi(int index, int dpi)
{
    auto metricsForDpi =
        reinterpret_cast<MetricsForDpiPointer>(User32Function("GetSystemMetricsForDpi"));
    return metricsForDpi != nullptr ? metricsForDpi(index, static_cast<UINT>(dpi))
                                    : GetSystemMetrics(index);
}
