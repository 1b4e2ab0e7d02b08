#include "paste/choice.h"

#include <string>

#include "app/app_state.h"
#include "paste/clipboard_copy.h"
#include "paste/move_to_top.h"
#include "paste/paste_keystroke.h"
#include "settings/settings_record.h"
#include "store/face_lists.h"
#include "view/complete_text.h"
#include "view/combo_items.h"
#include "view/filter_text.h"
#include "view/picker_controls.h"
#include "view/picker_fill.h"

namespace {

// The chosen filter goes into the edit field first: when the choice is reported the field
// still holds the previous text.
void ApplyChosenFilter()
{
    LRESULT index = SendMessageA(FilterCombo, CB_GETCURSEL, 0, 0);
    if (index < 0) {
        return;
    }
    SetWindowTextA(FilterCombo, CompleteText(ComboItemText(FilterCombo, index)).c_str());
    RefreshPicker();
    UpdateTitleCounter(PickerWindow);
}

void ChooseFromPopup()
{
    CopyChoiceToClipboard(PopupCombo);
    if (AutoPasteArmed) {
        SendPasteKeystroke(PickerWindow);
    }
    LRESULT index = SendMessageA(PopupCombo, CB_GETCURSEL, 0, 0);
    FillComboThrough(FaceCombo, index);
    SendMessageA(FaceCombo, CB_SETCURSEL, index, 0);
    ShowWindow(PopupCombo, SW_HIDE);
    MoveChoiceToTop(FaceCombo);
}

void ChooseFromFaceCombo()
{
    MoveShownChoiceToTop();
    CopyChoiceToClipboard(FaceCombo);
    if (AutoPasteArmed) {
        SendPasteKeystroke(PickerWindow);
    }
}

} // namespace

void MoveChoiceToTop(HWND combo)
{
    LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (index < 0 || !Settings.TopMove || static_cast<std::size_t>(index) >= FaceList.size()) {
        return;
    }
    MoveEntryToTop(FaceList, TagList, static_cast<std::size_t>(index));
    if (EditMode) {
        FillFaceView();
    } else {
        MoveComboItemToTop(FaceCombo, static_cast<int>(index), FaceList[0]);
    }
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

// Under a filter the chosen row moves to the top of what is shown, and the first equal
// emoticon of the whole list moves with its own tag, whatever TopMove says.
void MoveShownChoiceToTop()
{
    if (!IsFilterTyped()) {
        MoveChoiceToTop(FaceCombo);
        return;
    }
    LRESULT shown = SendMessageA(FaceCombo, CB_GETCURSEL, 0, 0);
    if (shown < 0 || static_cast<std::size_t>(shown) >= ShownFaceList.size()) {
        return;
    }
    long index = FindFirstEqualFace(FaceList, ShownFaceList[static_cast<std::size_t>(shown)]);
    if (index >= 0) {
        MoveEntryToTop(FaceList, TagList, static_cast<std::size_t>(index));
        MoveEntryToTop(ShownFaceList, ShownTagList, static_cast<std::size_t>(shown));
        MoveComboItemToTop(FaceCombo, static_cast<int>(shown), ShownFaceList[0]);
    }
    SendMessageA(FaceCombo, CB_SETCURSEL, 0, 0);
}

void OnChoice(HWND combo)
{
    if (combo == PopupCombo) {
        ChooseFromPopup();
    } else if (combo == FaceCombo) {
        ChooseFromFaceCombo();
    } else if (combo == FilterCombo) {
        ApplyChosenFilter();
    }
}
