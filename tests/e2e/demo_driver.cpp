// Drives a running picker for the screenshots of scripts/run.sh and docs/ the way the end-to-end
// tests drive it, with input made inside Wine (no dependence on the X focus):
//   demo_driver show FILTER   types FILTER into the filter box and opens the emoticon list
//   demo_driver options       opens the options dialog from the context menu
//   demo_driver edit          turns the picker into edit mode's table
//   demo_driver quit          ends the picker as its exit menu item does
// Each step waits for the picker to show its result; when it does not, a message says which
// step failed and the exit code is 1.
#include <windows.h>

#include <cstdio>
#include <string>

#include "harness.h"

namespace {

const DWORD PickerStartTimeoutMs = 30000;
const WPARAM ExitCommand = 2;

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
    RedrawWindow(dropDown, nullptr, nullptr, RDW_UPDATENOW);
    std::printf("The picker shows the filter \"%s\" and its emoticon list open: %s\n",
                filter.c_str(), Counter(windows.picker).c_str());
    return 0;
}

int OpenFromMenu(const PickerWindows& windows, const std::string& command)
{
    if (command == "options") {
        return OpenDialogOver(windows.faceCombo, 'O', OptionsCaption) != nullptr
                   ? 0
                   : Fail("the options dialog did not open");
    }
    return EnterEditModeOverList(windows) ? 0 : Fail("the picker did not enter edit mode");
}

} // namespace

int main(int argc, char** argv)
{
    std::string command = argc > 1 ? argv[1] : "";
    if (!(command == "show" && argc == 3) && command != "options" && command != "edit" &&
        command != "quit") {
        return Fail("usage: demo_driver show FILTER | options | edit | quit");
    }
    HWND picker = WaitForPicker();
    if (picker == nullptr) {
        return Fail("the picker's window did not appear");
    }
    if (command == "quit") {
        PostMessageA(picker, WM_COMMAND, ExitCommand, 0);
        return 0;
    }
    if (command == "show") {
        return ShowFilteredList(FindPickerWindows(picker), argv[2]);
    }
    return OpenFromMenu(FindPickerWindows(picker), command);
}
