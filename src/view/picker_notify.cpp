#include "view/picker_notify.h"

#include <commctrl.h>

#include "view/edit_list_view.h"
#include "view/picker_tooltips.h"

LRESULT OnNotify(HWND pickerWindow, UINT message, WPARAM wParam, LPARAM lParam)
{
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    switch (header->code) {
    case TTN_GETDISPINFOA:
        AnswerToolTipText(*reinterpret_cast<NMTTDISPINFOA*>(lParam));
        return 0;
    case LVN_GETDISPINFOA: AnswerEditRowText(*reinterpret_cast<NMLVDISPINFOA*>(lParam)); return 0;
    case LVN_ITEMACTIVATE: OpenRowEditors(*reinterpret_cast<NMITEMACTIVATE*>(lParam)); return 0;
    case LVN_ITEMCHANGING: CommitAndCloseRowEditors(); return 0;
    }
    return DefWindowProcA(pickerWindow, message, wParam, lParam);
}
