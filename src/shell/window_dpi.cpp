#include "shell/window_dpi.h"

namespace {

using DpiForWindowPointer = UINT(WINAPI*)(HWND);
using MetricsForDpiPointer = int(WINAPI*)(int, UINT);

void* User32Function(const char* name)
{
    return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name));
}

} // namespace

int WindowDpi(HWND window)
{
    auto dpiForWindow = reinterpret_cast<DpiForWindowPointer>(User32Function("GetDpiForWindow"));
    UINT dpi = dpiForWindow != nullptr ? dpiForWindow(window) : 0;
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
