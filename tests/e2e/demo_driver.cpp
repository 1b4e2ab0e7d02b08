// Drives a running picker for the screenshots of scripts/run.sh and docs/ the way the end-to-end
// tests drive it, with input made inside Wine (no dependence on the X focus):
//   demo_driver show FILTER   types FILTER into the filter box and opens the emoticon list
//   demo_driver options       opens the options dialog from the context menu
//   demo_driver edit          turns the picker into edit mode's table
//   demo_driver popup FILTER  types into the text field of another program (the tests' paste
//                             target, started after the picker), presses Ctrl+K and types
//                             FILTER into the pop-up that opens at its caret
//   demo_driver quit          closes the options dialog and ends the picker as its exit menu
//                             item does
// Each step waits for the picker to show its result and prints the screen area that shows it,
// as "picture WIDTHxHEIGHT+LEFT+TOP" (the geometry ImageMagick's import crops to); when it does
// not get there, a message says which step failed and the exit code is 1.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "harness.h"

namespace {

const DWORD PickerStartTimeoutMs = 30000;
const WPARAM ExitCommand = 2;
const LONG PointerMargin = 20;

HWND WaitForPicker()
{
    HWND picker = nullptr;
    WaitUntil(
        [&] {
            picker = FindWindowA("Vemplor", nullptr);
            return picker != nullptr && IsWindowVisible(picker);
        },
        PickerStartTimeoutMs);
    return picker != nullptr && IsWindowVisible(picker) ? picker : nullptr;
}

int Fail(const char* step)
{
    std::fprintf(stderr, "demo: %s\n", step);
    return 1;
}

// The window's place on the screen, once it has painted what it shows.
RECT PaintedArea(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT area;
    GetWindowRect(window, &area);
    return area;
}

// The open list reaches down to the work area's bottom: its picture ends a row below its last
// item.
RECT ListPictureArea(HWND dropDown)
{
    RECT area = PaintedArea(dropDown);
    LRESULT rows = SendMessageA(dropDown, LB_GETCOUNT, 0, 0) + 1;
    LRESULT rowHeight = SendMessageA(dropDown, LB_GETITEMHEIGHT, 0, 0);
    area.bottom = std::min<LONG>(area.bottom, area.top + rows * rowHeight);
    return area;
}

// Moves the pointer to the screen's right edge, off the picker and its dialogs, and waits until
// no tooltip shows, so the picture shows neither a tooltip nor a hot item.
bool ClearPointer(HWND picker)
{
    SettleMouseAt(
        {GetSystemMetrics(SM_CXSCREEN) - PointerMargin, GetSystemMetrics(SM_CYSCREEN) / 2});
    return WaitUntil([&] { return VisibleToolTip(picker) == nullptr; });
}

int ShowPicture(RECT area)
{
    std::printf("picture %ldx%ld+%ld+%ld\n", area.right - area.left, area.bottom - area.top,
                area.left, area.top);
    return 0;
}

// The counter part of the title, "[shown/total]".
std::string Counter(HWND picker)
{
    std::string title = WindowTitle(picker);
    std::size_t open = title.rfind('[');
    return open == std::string::npos ? title : title.substr(open);
}

int ShowFilteredList(const PickerWindows& windows, const std::string& filter)
{
    ClickControl(windows.filterEdit);
    if (!WaitUntil([&] { return FocusedWindow(windows.picker) == windows.filterEdit; })) {
        return Fail("the filter box did not take the keyboard focus");
    }
    TypeText(filter);
    // The list is refilled while the keystroke is handled, so once the box shows the text the
    // list and the title show its result.
    if (!WaitUntil([&] { return ControlText(windows.filterEdit) == filter; })) {
        return Fail(("the filter box shows \"" + ControlText(windows.filterEdit) +
                     "\", not the typed filter").c_str());
    }
    ClickControl(windows.faceCombo);
    HWND dropDown = nullptr;
    if (!WaitUntil([&] { return (dropDown = VisibleDropDownList(windows.picker)) != nullptr; })) {
        return Fail("the emoticon list did not open");
    }
    if (!ClearPointer(windows.picker)) {
        return Fail("a tooltip stayed over the picker");
    }
    std::printf("The picker shows the filter \"%s\" and its emoticon list open: %s\n",
                filter.c_str(), Counter(windows.picker).c_str());
    RECT picker = PaintedArea(windows.picker);
    RECT list = ListPictureArea(dropDown);
    RECT area;
    UnionRect(&area, &picker, &list);
    return ShowPicture(area);
}

// The text field the script started beside the picker, brought to the front with a click on its
// caption.
HWND BringTextFieldToFront()
{
    HWND field = nullptr;
    if (!WaitUntil([&] {
            field = FindWindowA("VemplorPasteTarget", nullptr);
            return field != nullptr && IsWindowVisible(field);
        })) {
        return nullptr;
    }
    RECT rect = WindowRectOf(field);
    ClickAt((rect.left + rect.right) / 2, rect.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2);
    return WaitUntil([&] { return GetForegroundWindow() == field; }) ? field : nullptr;
}

int ShowPopupAtCaret(const PickerWindows& windows, const std::string& filter)
{
    HWND textField = BringTextFieldToFront();
    if (textField == nullptr) {
        return Fail("the text field did not come to the front");
    }
    // The hotkey reaches the picker at once, the text the field a little later: the caret is
    // asked for once the field shows it all.
    const std::string typed = "ありがとう！";
    TypeText(typed);
    HWND edit = FindWindowExA(textField, nullptr, "EDIT", nullptr);
    if (!WaitUntil([&] { return ControlText(edit) == typed; })) {
        return Fail("the text field does not show the typed text");
    }
    KeyDown(VK_CONTROL);
    PressKey('K');
    KeyUp(VK_CONTROL);
    if (!WaitUntil([&] { return GetForegroundWindow() == windows.popupCombo; })) {
        return Fail("the hotkey's pop-up did not open in front");
    }
    TypeText(filter);
    if (!WaitUntil([&] { return ControlText(windows.popupField) == filter; })) {
        return Fail("the pop-up's field does not show the typed filter");
    }
    if (!ClearPointer(windows.picker)) {
        return Fail("a tooltip stayed over the picker");
    }
    std::printf("The pop-up shows the filter \"%s\": %ld emoticons\n", filter.c_str(),
                static_cast<long>(SendMessageA(windows.popupList, LB_GETCOUNT, 0, 0)));
    RECT field = PaintedArea(textField);
    RECT popup = PaintedArea(windows.popupCombo);
    RECT area;
    UnionRect(&area, &field, &popup);
    return ShowPicture(area);
}

int OpenFromMenu(const PickerWindows& windows, const std::string& command)
{
    HWND shown = command == "options" ? OpenDialogOver(windows.faceCombo, 'O', OptionsCaption)
                 : EnterEditModeOverList(windows) ? windows.picker
                                                  : nullptr;
    if (shown == nullptr) {
        return Fail(command == "options" ? "the options dialog did not open"
                                         : "the picker did not enter edit mode");
    }
    return ClearPointer(windows.picker) ? ShowPicture(PaintedArea(shown))
                                        : Fail("a tooltip stayed over the picker");
}

} // namespace

int main(int argc, char** argv)
{
    std::string command = argc > 1 ? argv[1] : "";
    bool withText = command == "show" || command == "popup";
    if ((withText && argc != 3) ||
        (!withText && command != "options" && command != "edit" && command != "quit")) {
        return Fail("usage: demo_driver show FILTER | popup FILTER | options | edit | quit");
    }
    HWND picker = WaitForPicker();
    if (picker == nullptr) {
        return Fail("the picker's window did not appear");
    }
    if (command == "quit") {
        // The picker quits once its options dialog is closed.
        if (HWND dialog = FindWindowA("#32770", OptionsCaption)) {
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        }
        PostMessageA(picker, WM_COMMAND, ExitCommand, 0);
        return 0;
    }
    if (command == "show") {
        return ShowFilteredList(FindPickerWindows(picker), argv[2]);
    }
    if (command == "popup") {
        return ShowPopupAtCaret(FindPickerWindows(picker), argv[2]);
    }
    return OpenFromMenu(FindPickerWindows(picker), command);
}
