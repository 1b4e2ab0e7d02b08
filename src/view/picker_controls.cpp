#include "view/picker_controls.h"

#include <commctrl.h>

#include "shell/process_state.h"
#include "shell/window_dpi.h"
#include "view/layout_math.h"

HWND FaceCombo;
HWND FilterCombo;
HWND PopupCombo;
HWND EditListView;
HWND TagEdit;
HWND FaceEdit;

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
                           AppInstance, nullptr);
}

void InsertColumn(int column, int width)
{
    LVCOLUMNW description = {};
    description.mask = LVCF_WIDTH | LVCF_SUBITEM;
    description.cx = width;
    description.iSubItem = column;
    SendMessageW(EditListView, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&description));
}

} // namespace

void CreatePickerControls(HWND pickerWindow)
{
    FaceCombo = CreateControl(0, L"COMBOBOX", FaceComboStyle, pickerWindow);
    FilterCombo = CreateControl(0, L"COMBOBOX", FilterComboStyle, pickerWindow);
    EditListView = CreateControl(0, L"SYSLISTVIEW32", EditListViewStyle, pickerWindow);
    TagEdit = CreateControl(WS_EX_CLIENTEDGE, L"EDIT", InPlaceEditStyle, EditListView);
    FaceEdit = CreateControl(WS_EX_CLIENTEDGE, L"EDIT", InPlaceEditStyle, EditListView);

    LRESULT extended = SendMessageW(EditListView, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    SendMessageW(EditListView, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 extended | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);

    InsertColumn(0, ScaleFrom96Dpi(InitialTagColumnWidth, WindowDpi(pickerWindow)));
    InsertColumn(1, 0);
}
