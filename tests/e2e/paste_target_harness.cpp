#include "paste_target_harness.h"

#include "harness.h"

RunningPasteTarget::RunningPasteTarget(POINT position)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    char commandLine[MAX_PATH + 32];
    wsprintfA(commandLine, "\"%s\" %ld %ld", VEMPLOR_PASTE_TARGET_PATH, position.x, position.y);
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        return;
    }
    WaitUntil([&] {
        HWND window = FindWindowA("VemplorPasteTarget", nullptr);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (window != nullptr && owner == process_.dwProcessId && IsWindowVisible(window)) {
            window_ = window;
        }
        return window_ != nullptr;
    });
    // It brings itself to the front as it starts; wait for that, so it cannot later take the
    // front from a window a test brought forward.
    WaitUntil([&] { return GetForegroundWindow() == window_; });
    input_ = FindWindowExA(window_, nullptr, "EDIT", nullptr);
    keyLog_ = FindWindowExA(window_, input_, "EDIT", nullptr);
}

RunningPasteTarget::~RunningPasteTarget()
{
    if (process_.hProcess == nullptr) {
        return;
    }
    PostMessageA(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

std::string RunningPasteTarget::Text() const
{
    return ControlText(input_);
}

std::string RunningPasteTarget::Utf8Text() const
{
    return Utf8ControlText(input_);
}

std::string RunningPasteTarget::KeyLog() const
{
    return ControlText(keyLog_);
}

void RunningPasteTarget::Clear() const
{
    SendMessageA(input_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    SendMessageA(keyLog_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
}

bool RunningPasteTarget::BringToFront() const
{
    if (GetForegroundWindow() != window_) {
        RECT rect = WindowRectOf(window_);
        ClickAt((rect.left + rect.right) / 2, rect.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2);
    }
    return WaitUntil([&] { return GetForegroundWindow() == window_; });
}

// The pointer first rests on the picker's caption: a list dropped under it would take the row
// it points at.
void ChooseFace(HWND picker, HWND faceCombo, int index)
{
    RECT bar = WindowRectOf(picker);
    MoveMouseTo(bar.left + 60, bar.top + 8);
    if (OpenListAt(faceCombo, index)) {
        ConfirmOpenList(faceCombo);
    }
}

bool MakePasteTarget(const RunningPasteTarget& target, HWND picker, HWND faceCombo)
{
    target.Clear();
    // Until the picker has noticed the target, a choice pastes elsewhere and leaves the picker
    // in front: the target is brought forward again before every try.
    bool arrived = WaitUntil([&] {
        if (!target.BringToFront()) {
            return false;
        }
        // The picker looks at the front window once a tick of its 100 ms timer: give it two.
        WaitUntil([&] { return GetForegroundWindow() != target.Window(); }, 200);
        ChooseFace(picker, faceCombo, 0);
        return !target.KeyLog().empty();
    });
    target.Clear();
    return arrived;
}
