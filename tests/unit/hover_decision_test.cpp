#include "app/hover_decision.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

using Actions = std::vector<HoverAction>;

const WindowId Picker = 0x110;
const WindowId IconWindow = 0x120;
const WindowId FaceCombo = 0x130;
const WindowId FilterCombo = 0x140;
const WindowId FilterComboEdit = 0x141; // the edit field inside FilterCombo
const WindowId PopupCombo = 0x150;
const WindowId Editor = 0x2000;
const WindowId Browser = 0x3000;
const WindowId Taskbar = 0x4000;

const ScreenRect PickerRect = {200, 100, 500, 130};
const ScreenPoint InsidePicker = {350, 115};
const ScreenPoint FarAway = {900, 700};

// A tick with the picker shown, auto-hide armed, the cursor far away over the editor, which is
// also in front.
HoverTickInputs AwayTick()
{
    HoverTickInputs in = {};
    in.cursor = FarAway;
    in.pickerNormalRect = PickerRect;
    in.windowUnderCursor = Editor;
    in.iconWindowVisible = false;
    in.foregroundWindow = Editor;
    in.activeWindow = 0;
    in.foregroundIsShell = false;
    in.picker = Picker;
    in.iconWindow = IconWindow;
    in.faceCombo = FaceCombo;
    in.filterCombo = FilterCombo;
    in.popupCombo = PopupCombo;
    in.dialogOpen = false;
    in.autoHideArmed = true;
    in.autoPasteArmed = true;
    in.transparencyAvailable = false;
    in.iconMode = false;
    in.hideTime = 1000;
    in.autoPulldown = false;
    in.hideTicks = 0;
    return in;
}

HoverTickInputs InsideTick()
{
    HoverTickInputs in = AwayTick();
    in.cursor = InsidePicker;
    in.windowUnderCursor = Picker;
    return in;
}

bool Contains(const Actions& actions, HoverAction wanted)
{
    for (HoverAction action : actions) {
        if (action == wanted) {
            return true;
        }
    }
    return false;
}

// Runs tickCount ticks with the cursor away, feeding the counter back as the timer does, and
// returns the 1-based numbers of the ticks that hid the picker.
std::vector<int> TicksThatHide(HoverTickInputs in, int tickCount)
{
    std::vector<int> hidingTicks;
    for (int tick = 1; tick <= tickCount; ++tick) {
        HoverTickDecision decision = DecideHoverTick(in);
        if (Contains(decision.actions, HoverAction::HidePicker)) {
            hidingTicks.push_back(tick);
        } else {
            EXPECT_TRUE(decision.actions.empty()) << "tick " << tick;
        }
        in.hideTicks = decision.hideTicks;
    }
    return hidingTicks;
}

TEST(HoverTickAutoHide, DefaultHideTimeHidesOnTheTwelfthTickAwayAndRepeatsEveryEleventh)
{
    EXPECT_EQ(TicksThatHide(AwayTick(), 40), (std::vector<int>{12, 23, 34}));
}

TEST(HoverTickAutoHide, OtherHideTimesFollowTheSameCounterRule)
{
    HoverTickInputs in = AwayTick();
    in.hideTime = 250; // limit 2: hides on the 4th tick, then every 3rd
    EXPECT_EQ(TicksThatHide(in, 12), (std::vector<int>{4, 7, 10}));

    in.hideTime = 199; // truncated to a limit of 1
    EXPECT_EQ(TicksThatHide(in, 8), (std::vector<int>{3, 5, 7}));
}

TEST(HoverTickAutoHide, HideTimeBelowOneHundredHidesOnTheSecondTick)
{
    for (int hideTime : {0, 1, 50, 99}) {
        HoverTickInputs in = AwayTick();
        in.hideTime = hideTime;
        EXPECT_EQ(TicksThatHide(in, 5), (std::vector<int>{2, 3, 4, 5})) << hideTime;
    }
}

TEST(HoverTickAutoHide, NegativeLimitHidesOnTheFirstTick)
{
    for (int hideTime : {-100, -1000, INT_MIN}) {
        HoverTickInputs in = AwayTick();
        in.hideTime = hideTime;
        EXPECT_EQ(TicksThatHide(in, 3), (std::vector<int>{1, 2, 3})) << hideTime;
    }
}

TEST(HoverTickAutoHide, ReturningRestartsTheCountAndAHiddenPickerComesBackOnTheNextTick)
{
    HoverTickInputs away = AwayTick();
    for (int tick = 0; tick < 8; ++tick) {
        away.hideTicks = DecideHoverTick(away).hideTicks;
    }
    ASSERT_EQ(away.hideTicks, 8);

    HoverTickInputs back = InsideTick();
    back.hideTicks = away.hideTicks;
    HoverTickDecision shown = DecideHoverTick(back);
    EXPECT_EQ(shown.actions, (Actions{HoverAction::ShowPicker}));
    EXPECT_EQ(shown.hideTicks, 0);

    away.hideTicks = shown.hideTicks;
    EXPECT_EQ(TicksThatHide(away, 12), (std::vector<int>{12}));
}

TEST(HoverTickAutoHide, CursorExactlyOnAnEdgeCountsAsAway)
{
    const ScreenPoint onEdges[] = {
        {PickerRect.left, 115},  {PickerRect.right, 115},      {350, PickerRect.top},
        {350, PickerRect.bottom}, {PickerRect.left, PickerRect.top},
        {PickerRect.right, PickerRect.bottom},
    };
    for (ScreenPoint point : onEdges) {
        HoverTickInputs in = InsideTick();
        in.cursor = point;
        in.hideTicks = 3;
        HoverTickDecision decision = DecideHoverTick(in);
        EXPECT_TRUE(decision.actions.empty()) << point.x << "," << point.y;
        EXPECT_EQ(decision.hideTicks, 4) << point.x << "," << point.y;
    }

    const ScreenPoint justInside[] = {
        {PickerRect.left + 1, 115},  {PickerRect.right - 1, 115},
        {350, PickerRect.top + 1},   {350, PickerRect.bottom - 1},
    };
    for (ScreenPoint point : justInside) {
        HoverTickInputs in = InsideTick();
        in.cursor = point;
        in.hideTicks = 3;
        HoverTickDecision decision = DecideHoverTick(in);
        EXPECT_EQ(decision.actions, (Actions{HoverAction::ShowPicker}))
            << point.x << "," << point.y;
        EXPECT_EQ(decision.hideTicks, 0) << point.x << "," << point.y;
    }
}

TEST(HoverTickAutoHide, ShowingRunsItsActionsInOrderAndResetsTheCount)
{
    HoverTickInputs in = InsideTick();
    in.hideTicks = 7;

    in.iconMode = true;
    in.transparencyAvailable = true;
    HoverTickDecision iconOn = DecideHoverTick(in);
    EXPECT_EQ(iconOn.actions, (Actions{HoverAction::HideIconWindow, HoverAction::ShowPicker}));
    EXPECT_EQ(iconOn.hideTicks, 0);

    in.iconMode = false;
    HoverTickDecision transparent = DecideHoverTick(in);
    EXPECT_EQ(transparent.actions,
              (Actions{HoverAction::ApplyTransparency, HoverAction::ShowPicker}));
    EXPECT_EQ(transparent.hideTicks, 0);

    in.transparencyAvailable = false;
    HoverTickDecision plain = DecideHoverTick(in);
    EXPECT_EQ(plain.actions, (Actions{HoverAction::ShowPicker}));
    EXPECT_EQ(plain.hideTicks, 0);
}

TEST(HoverTickAutoHide, HidingRunsItsActionsInOrder)
{
    HoverTickInputs in = AwayTick();
    in.hideTicks = 11;
    in.transparencyAvailable = true;

    in.iconMode = true;
    HoverTickDecision iconOn = DecideHoverTick(in);
    EXPECT_EQ(iconOn.actions,
              (Actions{HoverAction::HidePicker, HoverAction::ShowIconWindowAtPicker}));
    EXPECT_EQ(iconOn.hideTicks, 1);

    in.iconMode = false;
    HoverTickDecision iconOff = DecideHoverTick(in);
    EXPECT_EQ(iconOff.actions, (Actions{HoverAction::HidePicker}));
    EXPECT_EQ(iconOff.hideTicks, 1);
}

TEST(HoverTickAutoHide, WhileTheIconStandsOnlyTheIconItselfBringsThePickerBack)
{
    HoverTickInputs in = InsideTick();
    in.iconMode = true;
    in.iconWindowVisible = true;
    in.windowUnderCursor = Editor; // the picker is hidden: something else is under the cursor
    in.hideTicks = 2;
    HoverTickDecision offTheIcon = DecideHoverTick(in);
    EXPECT_FALSE(Contains(offTheIcon.actions, HoverAction::ShowPicker));
    EXPECT_EQ(offTheIcon.hideTicks, 3);

    in.windowUnderCursor = IconWindow;
    HoverTickDecision onTheIcon = DecideHoverTick(in);
    EXPECT_EQ(onTheIcon.actions, (Actions{HoverAction::HideIconWindow, HoverAction::ShowPicker}));
    EXPECT_EQ(onTheIcon.hideTicks, 0);

    // The icon stands on the rectangle's top-left corner, which is itself outside the rectangle.
    in.cursor = {PickerRect.left, PickerRect.top};
    in.hideTicks = 2;
    HoverTickDecision onTheIconCorner = DecideHoverTick(in);
    EXPECT_EQ(onTheIconCorner.actions,
              (Actions{HoverAction::HideIconWindow, HoverAction::ShowPicker}));
}

TEST(HoverTickAutoHide, DisarmedOnlyHidesTheIconAndKeepsTheCount)
{
    for (bool inside : {true, false}) {
        for (bool iconVisible : {true, false}) {
            HoverTickInputs in = inside ? InsideTick() : AwayTick();
            in.autoHideArmed = false;
            in.iconMode = true;
            in.iconWindowVisible = iconVisible;
            in.hideTicks = 40;
            HoverTickDecision decision = DecideHoverTick(in);
            EXPECT_EQ(decision.actions, (Actions{HoverAction::HideIconWindow}));
            EXPECT_EQ(decision.hideTicks, 40);
        }
    }
}

TEST(HoverTickDialogOpen, NothingIsShownHiddenOrCapturedButPulldownStillWorks)
{
    for (bool armed : {true, false}) {
        for (bool inside : {true, false}) {
            HoverTickInputs in = inside ? InsideTick() : AwayTick();
            in.dialogOpen = true;
            in.autoHideArmed = armed;
            in.iconMode = true;
            in.iconWindowVisible = true;
            in.hideTicks = 50; // would hide at once if counting went on
            in.foregroundWindow = Browser;
            in.autoPulldown = true;
            in.windowUnderCursor = FaceCombo;
            HoverTickDecision decision = DecideHoverTick(in);
            EXPECT_TRUE(decision.actions.empty());
            EXPECT_EQ(decision.hideTicks, 50);
            EXPECT_FALSE(decision.pasteTargetChanged);
            EXPECT_EQ(decision.pulldown, PulldownTarget::FaceCombo);
        }
    }
}

struct Front {
    WindowId foreground;
    WindowId active;
    bool isShell;
};

// Follows the paste target through a run of ticks, the way the timer stores it, starting from
// no target at all.
std::vector<WindowId> TargetsAfterEachTick(const std::vector<Front>& fronts)
{
    WindowId target = 0;
    std::vector<WindowId> targets;
    for (const Front& front : fronts) {
        HoverTickInputs in = AwayTick();
        in.foregroundWindow = front.foreground;
        in.activeWindow = front.active;
        in.foregroundIsShell = front.isShell;
        HoverTickDecision decision = DecideHoverTick(in);
        if (decision.pasteTargetChanged) {
            target = decision.pasteTarget;
        }
        targets.push_back(target);
    }
    return targets;
}

TEST(HoverTickPasteTarget, FollowsOtherProgramsAndIgnoresOurOwnAndTheShellsWindows)
{
    const std::vector<Front> fronts = {
        {Picker, 0, false},     // right after start: nothing to paste into yet
        {Editor, 0, false},     // the user works in the editor
        {Picker, 0, false},     // then comes to the picker
        {PopupCombo, 0, false}, // or to the hotkey list
        {IconWindow, 0, false}, // the icon shows itself activated
        {Taskbar, 0, true},     // passes the taskbar
        {0, 0, false},          // a moment with no foreground window
        {Browser, 0, false},    // and switches to another program
        {Editor, Picker, false},
        {Editor, PopupCombo, false},
    };
    EXPECT_EQ(TargetsAfterEachTick(fronts),
              (std::vector<WindowId>{0, Editor, Editor, Editor, Editor, Editor, Editor, Browser,
                                     Browser, Browser}));
}

TEST(HoverTickPasteTarget, CapturedWhateverAutoHideDoesButNotWhenDisarmed)
{
    HoverTickInputs hiding = AwayTick();
    hiding.hideTicks = 11;
    hiding.foregroundWindow = Browser;
    HoverTickDecision hidden = DecideHoverTick(hiding);
    ASSERT_TRUE(Contains(hidden.actions, HoverAction::HidePicker));
    EXPECT_TRUE(hidden.pasteTargetChanged);
    EXPECT_EQ(hidden.pasteTarget, Browser);

    HoverTickInputs showing = InsideTick();
    showing.foregroundWindow = Browser;
    showing.autoHideArmed = false;
    HoverTickDecision noAutoHide = DecideHoverTick(showing);
    EXPECT_TRUE(noAutoHide.pasteTargetChanged);
    EXPECT_EQ(noAutoHide.pasteTarget, Browser);

    showing.autoPasteArmed = false;
    EXPECT_FALSE(DecideHoverTick(showing).pasteTargetChanged);
}

TEST(HoverTickPulldown, OnlyTheComboWindowsThemselvesDropDown)
{
    HoverTickInputs in = InsideTick();
    in.autoPulldown = true;

    in.windowUnderCursor = FaceCombo;
    EXPECT_EQ(DecideHoverTick(in).pulldown, PulldownTarget::FaceCombo);
    in.windowUnderCursor = FilterCombo;
    EXPECT_EQ(DecideHoverTick(in).pulldown, PulldownTarget::FilterCombo);
    in.windowUnderCursor = PopupCombo;
    EXPECT_EQ(DecideHoverTick(in).pulldown, PulldownTarget::PopupCombo);

    for (WindowId other : {FilterComboEdit, Picker, IconWindow, Editor, WindowId{0}}) {
        in.windowUnderCursor = other;
        EXPECT_EQ(DecideHoverTick(in).pulldown, PulldownTarget::None) << other;
    }
}

TEST(HoverTickPulldown, NoWindowUnderTheCursorIsNotAMissingPopupCombo)
{
    HoverTickInputs in = AwayTick();
    in.autoPulldown = true;
    in.popupCombo = 0;
    in.windowUnderCursor = 0;
    EXPECT_EQ(DecideHoverTick(in).pulldown, PulldownTarget::None);
}

TEST(HoverTickPulldown, SwitchedOffNothingDropsDown)
{
    HoverTickInputs in = InsideTick();
    in.autoPulldown = false;
    for (WindowId combo : {FaceCombo, FilterCombo, PopupCombo}) {
        in.windowUnderCursor = combo;
        EXPECT_EQ(DecideHoverTick(in).pulldown, PulldownTarget::None) << combo;
    }
}

TEST(ShellWindowClass, TaskbarNotificationAreaAndDesktopAreShellWindows)
{
    for (const char* shell : {"Shell_TrayWnd", "Progman", "WorkerW", "#32769"}) {
        EXPECT_TRUE(IsShellWindowClass(shell)) << shell;
    }
    for (const char* other :
         {"Edit", "Notepad", "", "Shell_TrayWn", "Shell_TrayWndX", "Progman2", "#32770"}) {
        EXPECT_FALSE(IsShellWindowClass(other)) << other;
    }
}

} // namespace
