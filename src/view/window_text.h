#pragma once
#include <windows.h>

#include <string>

// A window's or control's text, whole: measured first, so a text of any length is read.
std::wstring WindowText(HWND window);
