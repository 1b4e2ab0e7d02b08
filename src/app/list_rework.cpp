#include "app/list_rework.h"

#include "app/edit_mode_switch.h"
#include "store/face_order.h"
#include "view/edit_mode.h"
#include "view/picker_fill.h"

namespace {

void ReworkFaceList(PickerState& state, void (*rework)(TextList& faces, TextList& tags))
{
    RunModes& modes = state.modes;
    modes.InteractionAllowed = 0;
    modes.AutoHideArmed = 0;
    bool editing = modes.EditMode != 0;
    TakeBackEditRows(state);
    rework(state.lists.FaceList, state.lists.TagList);
    NoteFaceListsChanged(state.lists);
    if (state.settings.AutoHide) {
        modes.AutoHideArmed = 1;
    }
    RefreshPicker(state.view, state.lists, state.settings.ReadingSearch != 0);
    if (editing) {
        ShowPickerLayout(state);
    }
    modes.InteractionAllowed = 1;
}

} // namespace

void SortFaceList(PickerState& state)
{
    ReworkFaceList(state, SortEntries);
}

void RemoveDuplicateFaces(PickerState& state)
{
    ReworkFaceList(state, RemoveDuplicateEntries);
}
