#include "shell/system_library.h"

#include <string>

namespace {

// Searching the system folder only, dependencies included: Windows 8 and later, and 7 and Vista
// with update KB2533623, which also brought AddDllDirectory.
const DWORD SearchSystemFolderOnly = 0x00000800;

bool SystemFolderSearchAvailable()
{
    return ImportedDllFunction(L"kernel32.dll", "AddDllDirectory") != nullptr;
}

} // namespace

HMODULE LoadSystemLibrary(const wchar_t* name)
{
    if (SystemFolderSearchAvailable()) {
        return LoadLibraryExW(name, nullptr, SearchSystemFolderOnly);
    }
    // By its full path; the altered search takes its dependencies from the same folder.
    wchar_t folder[MAX_PATH] = {};
    UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    std::wstring path = std::wstring(folder, length) + L"\\" + name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void* ImportedDllFunction(const wchar_t* dll, const char* function)
{
    HMODULE module = GetModuleHandleW(dll);
    return module != nullptr ? reinterpret_cast<void*>(GetProcAddress(module, function)) : nullptr;
}
