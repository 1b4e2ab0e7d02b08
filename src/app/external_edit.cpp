#include "app/external_edit.h"

#include <shellapi.h>

#include <string>

#include "app/face_reload.h"
#include "shell/wide_text.h"
#include "store/editor_command.h"
#include "store/face_store.h"
#include "view/edit_mode.h"
#include "view/picker_fill.h"

namespace {

// The file's full path, in whatever characters the folders are named: an editor that hands the
// file to an instance of its own started elsewhere must still open this one.
std::wstring FullPathOf(const char* path)
{
    std::wstring relative = WideFromShiftJis(path);
    DWORD needed = GetFullPathNameW(relative.c_str(), 0, nullptr, nullptr);
    if (needed == 0) {
        return relative;
    }
    std::wstring full(needed, L'\0');
    DWORD written = GetFullPathNameW(relative.c_str(), needed, &full[0], nullptr);
    if (written == 0 || written >= needed) {
        return relative;
    }
    full.resize(written);
    return full;
}

// Starts the program associated with the file and waits until it ends. False when no program
// is associated, it cannot be started, or the wait fails: the file is then as it was.
bool RunEditorOn(const char* path)
{
    std::wstring file = FullPathOf(path);
    wchar_t editor[MAX_PATH] = L"";
    if (reinterpret_cast<INT_PTR>(FindExecutableW(file.c_str(), nullptr, editor)) <= 32) {
        return false;
    }
    std::wstring commandLine =
        WideFromUtf8(EditorCommandLine(Utf8FromWide(editor), Utf8FromWide(file)));
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    DWORD waited = WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    return waited == WAIT_OBJECT_0;
}

} // namespace

// The editor gets the list as the user sees it, edit mode's rows included. The picker stays out
// of the way while the editor runs and comes back however that ends, so that a missing editor
// never leaves the program without a window.
void EditFaceFileExternally(PickerState& state)
{
    HWND pickerWindow = state.view.PickerWindow;
    ReadBackEditList(state.view, state.lists, state.settings, state.modes.EditMode);
    SaveFaceFile(state.lists, FaceFilePath);
    ShowWindow(pickerWindow, SW_HIDE);
    bool edited = RunEditorOn(FaceFilePath);
    ShowWindow(pickerWindow, SW_SHOW);
    if (edited) {
        ReloadFaceList(state);
    }
}

void EditFilterFileExternally(PickerView& view, FaceLists& lists)
{
    ShowWindow(view.PickerWindow, SW_HIDE);
    bool edited = RunEditorOn(FilterFilePath);
    if (edited) {
        LoadFilterFile(lists, FilterFilePath);
        FillFilterCombo(view, lists);
    }
    ShowWindow(view.PickerWindow, SW_SHOW);
}
