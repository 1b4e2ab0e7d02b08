#include "view/picker_fill.h"

#include <commctrl.h>

#include "app/app_state.h"
#include "store/face_lists.h"
#include "view/face_filter.h"
#include "view/picker_controls.h"

namespace {

// Fills a combo box with the texts, in order. Redrawing is held off and storage reserved up
// front, so a list of a hundred thousand emoticons fills in one pass without a repaint per item.
void FillCombo(HWND combo, const TextList& texts)
{
    SendMessageA(combo, WM_SETREDRAW, FALSE, 0);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    std::size_t bytes = 0;
    for (const std::string& text : texts) {
        bytes += text.size() + 1;
    }
    SendMessageA(combo, CB_INITSTORAGE, texts.size(), bytes);
    for (const std::string& text : texts) {
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageA(combo, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(combo, nullptr, TRUE);
}

void SetListViewText(int row, int column, const std::string& text, UINT message)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(EditListView, message, 0, reinterpret_cast<LPARAM>(&item));
}

void FillEditListView()
{
    SendMessageA(EditListView, WM_SETREDRAW, FALSE, 0);
    SendMessageA(EditListView, LVM_DELETEALLITEMS, 0, 0);
    SendMessageA(EditListView, LVM_SETITEMCOUNT, FaceList.size(), 0);
    for (std::size_t i = 0; i < FaceList.size(); ++i) {
        SetListViewText(static_cast<int>(i), 0, TagList[i], LVM_INSERTITEMA);
        SetListViewText(static_cast<int>(i), 1, FaceList[i], LVM_SETITEMA);
    }
    SendMessageA(EditListView, WM_SETREDRAW, TRUE, 0);
}

} // namespace

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
    char filter[1024];
    GetWindowTextA(FilterCombo, filter, sizeof filter);
    if (filter[0] == '\0') {
        FillFaceView();
        ShownFaceList = FaceList;
        ShownTagList = TagList;
    } else {
        FilterFaces(FaceList, TagList, filter, ShownFaceList, ShownTagList);
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
