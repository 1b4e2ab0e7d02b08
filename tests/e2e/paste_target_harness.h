#pragma once
// The test's own window to paste into (paste_target.exe), started for a test and ended with it.
#include <windows.h>

#include <string>

class RunningPasteTarget {
public:
    // Its window's top-left corner on the screen.
    explicit RunningPasteTarget(POINT position = {400, 300});
    ~RunningPasteTarget();
    RunningPasteTarget(const RunningPasteTarget&) = delete;
    RunningPasteTarget& operator=(const RunningPasteTarget&) = delete;

    bool Started() const { return window_ != nullptr; }
    HWND Window() const { return window_; }
    // What has been pasted or typed into its edit control.
    std::string Text() const;
    std::string Utf8Text() const;
    // The key messages its edit control received, e.g. "D11 D56 U56 U11 ".
    std::string KeyLog() const;
    void Clear() const;
    // Brings it to the front with a click on its caption.
    bool BringToFront() const;

private:
    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
    HWND input_ = nullptr;
    HWND keyLog_ = nullptr;
};

// Chooses item index of the picker's emoticon list with the keyboard (see OpenListAt), the
// pointer resting on the picker's caption meanwhile.
void ChooseFace(HWND picker, HWND faceCombo, int index);

// Makes the target the window the picker pastes into: brings it to the front and chooses the
// top emoticon until a keystroke arrives there (the picker notices the front window within one
// tick of its timer), then clears what arrived. Choosing the top item leaves the list's order as
// it is. False when no keystroke ever arrived.
bool MakePasteTarget(const RunningPasteTarget& target, HWND picker, HWND faceCombo);
