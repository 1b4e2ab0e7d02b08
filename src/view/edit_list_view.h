#pragma once
#include <windows.h>

// The list view's own window procedure, restored at shut-down.
extern WNDPROC OriginalListViewProc;

LRESULT CALLBACK EditListViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
