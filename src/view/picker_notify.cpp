#include "view/picker_notify.h"

#include <commctrl.h>

#include "view/edit_list_view.h"
#include "view/picker_tooltips.h"

LRESULT OnNotify(HWND pickerWindow, UINT message, WPARAM wParam, LPARAM lParam)
{
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    switch (header->code) {
    case TTN_GETDISPINFOW:
        AnswerToolTipText(*reinterpret_cast<NMTTDISPINFOW*>(lParam));
        return 0;
    case LVN_GETDISPINFOW: AnswerEditRowText(*reinterpret_cast<NMLVDISPINFOW*>(lParam)); return 0;
    case LVN_ODFINDITEMW: return FindEditRow(*reinterpret_cast<NMLVFINDITEMW*>(lParam));
    case LVN_ITEMACTIVATE: OpenRowEditors(*reinterpret_cast<NMITEMACTIVATE*>(lParam)); return 0;
    // Any change of a row's state, such as another row being selected, closes the editors.
    // Owner-data lists may report it only once made, or as a range.
    case LVN_ITEMCHANGING:
    case LVN_ITEMCHANGED:
    case LVN_ODSTATECHANGED: CommitAndCloseRowEditors(); return 0;
    }
    return DefWindowProcW(pickerWindow, message, wParam, lParam);
}
