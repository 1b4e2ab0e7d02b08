#include "view/picker_controls.h"

#include <commctrl.h>

#include "shell/window_dpi.h"
#include "view/layout_math.h"

namespace {

const DWORD FaceComboStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP |
                             CBS_NOINTEGRALHEIGHT | CBS_HASSTRINGS | CBS_DROPDOWNLIST;
const DWORD FilterComboStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP |
                               CBS_NOINTEGRALHEIGHT | CBS_HASSTRINGS | CBS_AUTOHSCROLL |
                               CBS_DROPDOWN;
// Owner data: the rows are the program's own strings, shown as they are asked for.
const DWORD EditListViewStyle = WS_CHILD | LVS_NOSORTHEADER | LVS_NOCOLUMNHEADER |
                                LVS_SHOWSELALWAYS | LVS_REPORT | LVS_OWNERDATA;
const DWORD InPlaceEditStyle = WS_CHILD | ES_AUTOHSCROLL;
// At 96 DPI; the layout sets both columns from the combo boxes right after.
const int InitialTagColumnWidth = 100;

HWND CreateControl(DWORD extendedStyle, const wchar_t* className, DWORD style, HWND parent)
{
    return CreateWindowExW(extendedStyle, className, nullptr, style, 0, 0, 0, 0, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

void InsertColumn(HWND listView, int column, int width)
{
    LVCOLUMNW description = {};
    description.mask = LVCF_WIDTH | LVCF_SUBITEM;
    description.cx = width;
    description.iSubItem = column;
    SendMessageW(listView, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&description));
}

} // namespace

void CreatePickerControls(PickerView& view)
{
    HWND picker = view.PickerWindow;
    view.FaceCombo = CreateControl(0, L"COMBOBOX", FaceComboStyle, picker);
    view.FilterCombo = CreateControl(0, L"COMBOBOX", FilterComboStyle, picker);
    HWND listView = CreateControl(0, L"SYSLISTVIEW32", EditListViewStyle, picker);
    view.EditListView = listView;
    view.TagEdit = CreateControl(WS_EX_CLIENTEDGE, L"EDIT", InPlaceEditStyle, listView);
    view.FaceEdit = CreateControl(WS_EX_CLIENTEDGE, L"EDIT", InPlaceEditStyle, listView);

    LRESULT extended = SendMessageW(listView, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    SendMessageW(listView, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 extended | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);

    InsertColumn(listView, 0, ScaleFrom96Dpi(InitialTagColumnWidth, WindowDpi(picker)));
    InsertColumn(listView, 1, 0);
}
