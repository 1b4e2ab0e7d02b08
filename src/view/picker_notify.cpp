#include "view/picker_notify.h"

#include <commctrl.h>

#include "view/edit_list_view.h"
#include "view/picker_tooltips.h"

LRESULT OnNotify(PickerView& view, FaceLists& lists, const SettingsRecord& settings,
                 WPARAM wParam, LPARAM lParam)
{
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    switch (header->code) {
    case TTN_GETDISPINFOW:
        AnswerToolTipText(view, settings.ToolTip, *reinterpret_cast<NMTTDISPINFOW*>(lParam));
        return 0;
    case LVN_GETDISPINFOW:
        AnswerEditRowText(view, lists, *reinterpret_cast<NMLVDISPINFOW*>(lParam));
        return 0;
    case LVN_ODFINDITEMW:
        return FindEditRow(view, lists, *reinterpret_cast<NMLVFINDITEMW*>(lParam));
    case LVN_ITEMACTIVATE:
        OpenRowEditors(view, lists, *reinterpret_cast<NMITEMACTIVATE*>(lParam));
        return 0;
    // Any change of a row's state, such as another row being selected, closes the editors.
    // Owner-data lists may report it only once made, or as a range.
    case LVN_ITEMCHANGING:
    case LVN_ITEMCHANGED:
    case LVN_ODSTATECHANGED: CommitAndCloseRowEditors(view, lists, settings); return 0;
    }
    return DefWindowProcW(view.PickerWindow, WM_NOTIFY, wParam, lParam);
}
