// A stand-in for the user's text editor. It notes the arguments it was started with, one a line,
// in editor-calls.log in its working directory, then stays open until the test sets the event
// "VemplorFakeEditorClose", as a user closes the editor when done; the test edits the file
// meanwhile. Without the event it ends at once.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::string log;
    for (int i = 1; arguments != nullptr && i < count; ++i) {
        int bytes = WideCharToMultiByte(CP_ACP, 0, arguments[i], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(static_cast<std::size_t>(bytes), '\0');
        WideCharToMultiByte(CP_ACP, 0, arguments[i], -1, &argument[0], bytes, nullptr, nullptr);
        log += argument.c_str();
        log += "\n";
    }
    LocalFree(arguments);
    // Written under another name and then renamed, so the test never reads half a log.
    std::FILE* file = std::fopen("editor-calls.tmp", "wb");
    if (file != nullptr) {
        std::fwrite(log.data(), 1, log.size(), file);
        std::fclose(file);
        MoveFileExA("editor-calls.tmp", "editor-calls.log", MOVEFILE_REPLACE_EXISTING);
    }
    HANDLE closeEvent = OpenEventA(SYNCHRONIZE, FALSE, "VemplorFakeEditorClose");
    if (closeEvent != nullptr) {
        WaitForSingleObject(closeEvent, 60000);
        CloseHandle(closeEvent);
    }
    return 0;
}
