#pragma once
// The one place the program asks Windows for a DLL at run time. A DLL looked up by its bare name
// may come from the program's folder or the current one (the list's folder), where anybody may
// have put a file of that name: every DLL is taken from the system folder, or is one the program
// imports and Windows has already loaded.
#include <windows.h>

// Loads a DLL from the system folder only, its own dependencies too; null when it is not there.
// The caller frees it with FreeLibrary.
HMODULE LoadSystemLibrary(const wchar_t* name);

// A function of a DLL the program imports (kernel32, user32, comctl32, ...), which is loaded
// already; null where this Windows lacks it. comctl32 is the version the manifest asks for.
void* ImportedDllFunction(const wchar_t* dll, const char* function);
