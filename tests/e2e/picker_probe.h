#pragma once
// Finding a running picker's windows from another process and reading what they show. Shared by
// the end-to-end tests and the timing driver.
#include <windows.h>

#include <string>
#include <vector>

// The picker's windows: the main window and its controls, told apart by class and order (they
// have no ids).
struct PickerWindows {
    HWND picker = nullptr;
    HWND faceCombo = nullptr;
    HWND filterCombo = nullptr;
    HWND filterEdit = nullptr;
    // The hotkey's pop-up: its window, its filter field and its list.
    HWND popupCombo = nullptr;
    HWND popupField = nullptr;
    HWND popupList = nullptr;
    HWND editListView = nullptr;
};

// The visible picker window of the process, or null.
HWND FindVisiblePicker(DWORD processId);
PickerWindows FindPickerWindows(HWND picker);

// Item index of another process's combo box, as the program's own bytes.
std::string ComboItem(HWND combo, int index);
std::vector<std::string> ComboItems(HWND combo);
// Text between the system's UTF-16 and the bytes of a code page; the wide text ends at its first
// NUL.
std::string BytesFromWide(const std::wstring& wide, UINT codePage);
std::wstring WideFromBytes(const std::string& bytes, UINT codePage);
std::vector<std::string> Utf8ComboItems(HWND combo);
int ComboSelection(HWND combo);
// The same of another process's list box.
std::string ListItem(HWND list, int index);
std::vector<std::string> ListItems(HWND list);
std::string WindowTitle(HWND window);

// A choice in one of the picker's lists as the keyboard makes it: the list is opened with item
// index highlighted, then Enter confirms it. OpenListAt is false when the list would not
// highlight the item; ConfirmOpenList returns once the picker has handled the choice.
bool OpenListAt(HWND combo, int index);
void ConfirmOpenList(HWND combo);
