// Holds the file named on its command line open without sharing, as a virus scanner or a sync
// client does, until it is ended.
#include <windows.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc < 2) {
        return 2;
    }
    HANDLE file = CreateFileA(__argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    Sleep(INFINITE);
    return 0;
}
