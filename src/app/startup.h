#pragma once
#include <windows.h>

// Builds everything the running picker needs, in an order where each step finds what it uses.
void StartUp(HWND pickerWindow);
