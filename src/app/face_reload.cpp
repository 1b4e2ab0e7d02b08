#include "app/face_reload.h"

#include "view/edit_mode.h"

void ReloadFaceList(PickerState& state)
{
    ReadBackEditList(state.view, state.lists, state.settings, state.modes.EditMode);
    if (!ReadFaceFileAgain(state.lists, FaceFilePath)) {
        return;
    }
    ShowChangedLists(state.view, state.lists, state.settings, state.modes.EditMode);
}

void ReloadFaceListIfChangedOutside(PickerState& state)
{
    if (FaceFileChangedOutside(state.lists, FaceFilePath)) {
        ReloadFaceList(state);
    }
}
