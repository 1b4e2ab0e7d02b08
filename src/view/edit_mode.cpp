#include "view/edit_mode.h"

#include "resource.h"
#include "settings/settings_record.h"
#include "shell/process_state.h"
#include "store/face_lists.h"
#include "view/edit_list_view.h"
#include "view/picker_controls.h"
#include "view/picker_fill.h"
#include "view/window_layout.h"

namespace {

void MarkEditMode(int on)
{
    EditMode = on;
    CheckMenuItem(ContextMenu, IDM_EDIT_MODE, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

// Every row, whatever the filter.
void FillEditListView()
{
    EditRowFaces = FaceList;
    EditRowTags = TagList;
    ShowEditRows();
}

// The list must not vanish under the user while it is being edited.
void EnterEditMode()
{
    AutoHideArmed = 0;
    MarkEditMode(1);
    FillEditListView();
    LayoutWindow(LayoutModeSwitch, 0);
    SetForegroundWindow(EditListView);
    SetFocus(EditListView);
}

} // namespace

void ToggleEditMode()
{
    if (GetMenuState(ContextMenu, IDM_EDIT_MODE, MF_BYCOMMAND) & MF_CHECKED) {
        LeaveEditMode();
    } else {
        EnterEditMode();
    }
}

void TakeBackEditRows()
{
    if (!EditMode) {
        return;
    }
    if (Settings.AutoHide) {
        AutoHideArmed = 1;
    }
    ReadBackEditList();
    MarkEditMode(0);
    TextList().swap(EditRowFaces);
    TextList().swap(EditRowTags);
    ShowEditRows();
}

void ShowPickerLayout()
{
    LayoutWindow(LayoutModeSwitch, 0);
    SetForegroundWindow(PickerWindow);
}

// The picker is refilled before it is shown again, so it never shows the old list.
void LeaveEditMode()
{
    if (!EditMode) {
        return;
    }
    TakeBackEditRows();
    RefreshPicker();
    ShowPickerLayout();
}

void ReadBackEditList()
{
    if (!EditMode) {
        return;
    }
    CommitAndCloseRowEditors();
    FaceList = EditRowFaces;
    TagList = EditRowTags;
    NoteFaceListsChanged();
}

void ShowChangedLists()
{
    RefreshPicker();
    if (EditMode) {
        FillEditListView();
    }
}
