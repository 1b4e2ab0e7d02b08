#pragma once
// The DPI a window is drawn at and the system metrics that go with it. Windows before 8.1 know
// only the screen's one DPI; the per-monitor functions are looked up at run time, so the program
// still starts on systems that lack them.
#include <windows.h>

// The window's own DPI (Windows 10) or its monitor's (8.1) where the system tracks DPI per
// monitor, else the screen's.
int WindowDpi(HWND window);

// GetSystemMetrics for the given DPI where the system can answer that, else for the screen's.
int MetricForDpi(int index, int dpi);
