// The hover tick as the picker window gets it: a timer message on the window's own thread, handed
// to its handler with the program's state.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/hover_timer.h"

namespace {

HWND MakeWindow(DWORD visible)
{
    return CreateWindowExW(0, L"STATIC", L"", WS_POPUP | visible, 10, 10, 50, 50, nullptr, nullptr,
                           nullptr, nullptr);
}

// Waits for the next tick of the picker's timer and hands it over as the window procedure does.
bool DeliverNextTick(PickerState& state)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < 5000;) {
        MSG message;
        if (PeekMessageW(&message, state.view.PickerWindow, WM_TIMER, WM_TIMER, PM_REMOVE)) {
            OnHoverTick(state, message.wParam);
            return true;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_TIMER);
    }
    return false;
}

TEST(HoverTick, NotesTheWindowInFrontAsThePasteTargetExceptWhileAChoiceIsPasted)
{
    PickerState state = {};
    state.view.PickerWindow = MakeWindow(0);
    state.modes.AutoPasteArmed = 1;
    HWND work = MakeWindow(WS_VISIBLE);
    HWND other = MakeWindow(WS_VISIBLE);
    SetHoverTimer(state.view.PickerWindow, true);

    ASSERT_TRUE(SetForegroundWindow(work));
    ASSERT_TRUE(DeliverNextTick(state));
    EXPECT_EQ(state.modes.PasteTarget, work);

    state.modes.ChoiceInProgress = 1;
    ASSERT_TRUE(SetForegroundWindow(other));
    ASSERT_TRUE(DeliverNextTick(state));
    EXPECT_EQ(state.modes.PasteTarget, work);

    state.modes.ChoiceInProgress = 0;
    ASSERT_TRUE(DeliverNextTick(state));
    EXPECT_EQ(state.modes.PasteTarget, other);

    SetHoverTimer(state.view.PickerWindow, false);
    for (HWND window : {work, other, state.view.PickerWindow}) {
        DestroyWindow(window);
    }
}

} // namespace
