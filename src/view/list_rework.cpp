#include "view/list_rework.h"

#include "settings/settings_record.h"
#include "shell/process_state.h"
#include "store/face_lists.h"
#include "store/face_order.h"
#include "view/edit_mode.h"
#include "view/picker_fill.h"

namespace {

void ReworkFaceList(void (*rework)(TextList& faces, TextList& tags))
{
    InteractionAllowed = 0;
    AutoHideArmed = 0;
    bool editing = EditMode != 0;
    TakeBackEditRows();
    rework(FaceList, TagList);
    NoteFaceListsChanged();
    if (Settings.AutoHide) {
        AutoHideArmed = 1;
    }
    RefreshPicker();
    if (editing) {
        ShowPickerLayout();
    }
    InteractionAllowed = 1;
}

} // namespace

void SortFaceList()
{
    ReworkFaceList(SortEntries);
}

void RemoveDuplicateFaces()
{
    ReworkFaceList(RemoveDuplicateEntries);
}
