#include "paste/paste_keystroke.h"

#include <vector>

#include "paste/paste_keys.h"
#include "paste/paste_wait.h"

namespace {

const DWORD KeySettleMs = 30;
const UINT TargetAnswerTimeoutMs = 1000;

// Injected keys go to whichever window is in front when they are read, not when they are sent:
// taking the foreground back at once would hand the rest of the keystroke to the picker. So the
// target is given time to take them. Each round trip of a sent message returns only once the
// target's thread is back for its next message, so after one round trip per key event (and two
// more for the characters those keys produce) every key has been read by the target. A hung
// target ends the wait.
void WaitForTargetToTakeKeys(HWND target, std::size_t keyEvents)
{
    Sleep(KeySettleMs);
    for (std::size_t trip = 0; trip < keyEvents + 2; ++trip) {
        DWORD_PTR ignored = 0;
        if (!SendMessageTimeoutW(target, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, TargetAnswerTimeoutMs,
                                 &ignored)) {
            return;
        }
    }
}

} // namespace

void PasteInto(HWND target, HWND returnTo, int pasteTimeMs, int pasteKey)
{
    if (!SetForegroundWindow(target)) {
        return;
    }
    Sleep(PasteWaitMs(pasteTimeMs));
    std::vector<PasteKeyEvent> events = PasteKeyEvents(pasteKey);
    for (const PasteKeyEvent& event : events) {
        keybd_event(event.virtualKey, 0, event.flags, 0);
    }
    WaitForTargetToTakeKeys(target, events.size());
    SetForegroundWindow(returnTo);
}
