#include "picker_probe.h"

namespace {

struct ProcessWindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindPickerOfProcess(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<ProcessWindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && lstrcmpA(className, "Vemplor") == 0 &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

struct ControlSearch {
    PickerWindows* windows;
    int combos;
};

// FaceCombo is the picker's first combo box child, FilterCombo its second.
BOOL CALLBACK CollectControl(HWND child, LPARAM context)
{
    auto* search = reinterpret_cast<ControlSearch*>(context);
    if (GetParent(child) != search->windows->picker) {
        return TRUE;
    }
    char className[64] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "ComboBox") == 0) {
        (search->combos++ == 0 ? search->windows->faceCombo : search->windows->filterCombo) = child;
    } else if (lstrcmpiA(className, "SysListView32") == 0) {
        search->windows->editListView = child;
    }
    return TRUE;
}

// The pop-up is a top-level window of the picker's process.
BOOL CALLBACK FindPopupCombo(HWND window, LPARAM context)
{
    auto* windows = reinterpret_cast<PickerWindows*>(context);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    DWORD popupProcess = 0;
    DWORD pickerProcess = 0;
    GetWindowThreadProcessId(window, &popupProcess);
    GetWindowThreadProcessId(windows->picker, &pickerProcess);
    if (lstrcmpiA(className, "VemplorPopup") == 0 && popupProcess == pickerProcess) {
        windows->popupCombo = window;
        windows->popupField = FindWindowExA(window, nullptr, "Edit", nullptr);
        windows->popupList = FindWindowExA(window, nullptr, "ListBox", nullptr);
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND FindVisiblePicker(DWORD processId)
{
    ProcessWindowSearch search = {processId, nullptr};
    EnumWindows(FindPickerOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

PickerWindows FindPickerWindows(HWND picker)
{
    PickerWindows windows;
    windows.picker = picker;
    ControlSearch search = {&windows, 0};
    EnumChildWindows(picker, CollectControl, reinterpret_cast<LPARAM>(&search));
    windows.filterEdit = GetWindow(windows.filterCombo, GW_CHILD);
    EnumWindows(FindPopupCombo, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// Across processes Wine answers CB_GETLBTEXT in UTF-16 whatever the caller asked for, so the
// item is read wide and turned back into the program's code page.
namespace {

std::wstring WideComboItem(HWND combo, int index)
{
    LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&wide[0]));
    wide.resize(static_cast<std::size_t>(lstrlenW(wide.c_str())));
    return wide;
}

std::vector<std::string> ComboItemsIn(HWND combo, UINT codePage)
{
    std::vector<std::string> items;
    int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        items.push_back(BytesFromWide(WideComboItem(combo, i), codePage));
    }
    return items;
}

} // namespace

std::string BytesFromWide(const std::wstring& wide, UINT codePage)
{
    int characters = lstrlenW(wide.c_str());
    int bytes = WideCharToMultiByte(codePage, 0, wide.c_str(), characters, nullptr, 0, nullptr,
                                    nullptr);
    std::string text(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    WideCharToMultiByte(codePage, 0, wide.c_str(), characters, &text[0], bytes, nullptr, nullptr);
    return text;
}

std::wstring WideFromBytes(const std::string& bytes, UINT codePage)
{
    int length = static_cast<int>(bytes.size());
    int units = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units > 0 ? units : 0), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), length, &wide[0], units);
    return wide;
}

std::string ComboItem(HWND combo, int index)
{
    return BytesFromWide(WideComboItem(combo, index), CP_ACP);
}

std::vector<std::string> ComboItems(HWND combo)
{
    return ComboItemsIn(combo, CP_ACP);
}

std::vector<std::string> Utf8ComboItems(HWND combo)
{
    return ComboItemsIn(combo, CP_UTF8);
}

std::string ListItem(HWND list, int index)
{
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&wide[0]));
    return BytesFromWide(wide, CP_ACP);
}

std::vector<std::string> ListItems(HWND list)
{
    std::vector<std::string> items;
    int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        items.push_back(ListItem(list, i));
    }
    return items;
}

int ComboSelection(HWND combo)
{
    return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

std::string WindowTitle(HWND window)
{
    char title[1024] = {};
    GetWindowTextA(window, title, sizeof title);
    return title;
}

// An open list highlights the item under the pointer whenever the pointer lies over it, so the
// item is highlighted again once the list is open.
bool OpenListAt(HWND combo, int index)
{
    SendMessageW(combo, CB_SETCURSEL, index, 0);
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    if (SendMessageW(combo, CB_SETCURSEL, index, 0) == index) {
        return true;
    }
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    return false;
}

void ConfirmOpenList(HWND combo)
{
    SendMessageW(combo, WM_KEYDOWN, VK_RETURN, 0);
}
