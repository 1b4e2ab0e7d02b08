#include "view/picker_fill.h"

#include "app/app_state.h"
#include "store/face_lists.h"
#include "view/complete_text.h"
#include "view/edit_mode.h"
#include "view/face_filter.h"
#include "view/filter_text.h"
#include "view/picker_controls.h"

namespace {

// The list box inside a combo box, which holds its items; the combo box itself when the system
// does not tell.
HWND ItemListOf(HWND combo)
{
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(combo, &info) && info.hwndList != nullptr ? info.hwndList : combo;
}

} // namespace

// Fills a combo box with the texts, in order. Redrawing is held off and storage reserved up
// front, so a long list fills in one pass without a repaint per item. The items go straight to
// the combo box's list box: every message to the combo box itself passes the tooltip's
// subclass, which under Wine costs a hundred times the adding of an item. Emptying the list box
// rather than the combo box also leaves the text of FilterCombo's edit field as it is.
void FillCombo(HWND combo, const TextList& texts)
{
    HWND items = ItemListOf(combo);
    bool direct = items != combo;
    SendMessageA(combo, WM_SETREDRAW, FALSE, 0);
    SendMessageA(items, direct ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0);
    std::size_t bytes = 0;
    for (const std::string& text : texts) {
        bytes += text.size() + 1;
    }
    SendMessageA(items, direct ? LB_INITSTORAGE : CB_INITSTORAGE, texts.size(), bytes);
    const UINT addString = direct ? LB_ADDSTRING : CB_ADDSTRING;
    for (const std::string& text : texts) {
        std::string complete = CompleteText(text);
        SendMessageA(items, addString, 0, reinterpret_cast<LPARAM>(complete.c_str()));
    }
    SendMessageA(combo, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(combo, nullptr, TRUE);
}

void FillFaceView()
{
    if (EditMode) {
        FillEditListView();
    } else {
        FillCombo(FaceCombo, FaceList);
    }
}

void FillFilterCombo()
{
    FillCombo(FilterCombo, FilterList);
}

void RefreshPicker()
{
    std::string filter = FilterText();
    if (filter.empty()) {
        FillFaceView();
        ShownFaceList = FaceList;
        ShownTagList = TagList;
    } else {
        FilterFaces(FaceList, TagList, filter.c_str(), ShownFaceList, ShownTagList);
        FillCombo(FaceCombo, ShownFaceList);
    }
    SendMessageA(FaceCombo, CB_SETCURSEL, 0, 0);
}

void UpdateTitleCounter(HWND pickerWindow)
{
    char title[260];
    wsprintfA(title, "Vemplor 登録数[%d/%d]", static_cast<int>(ShownFaceList.size()),
              static_cast<int>(FaceList.size()));
    SetWindowTextA(pickerWindow, title);
}
