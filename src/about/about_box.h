#pragma once
#include <windows.h>

// The about box (dialog IDD_ABOUT): the version and three buttons that open the project's web
// pages, each closing the box.
INT_PTR CALLBACK AboutBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
