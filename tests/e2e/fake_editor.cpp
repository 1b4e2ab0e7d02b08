// A stand-in for the user's editor: it "saves" the one file it was given by moving next.txt from
// its working directory over it, and ends. Without next.txt, or given anything but one argument,
// it ends at once and changes nothing.
#include <windows.h>
#include <shellapi.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments != nullptr && count == 2) {
        MoveFileExW(L"next.txt", arguments[1], MOVEFILE_REPLACE_EXISTING);
    }
    LocalFree(arguments);
    return 0;
}
