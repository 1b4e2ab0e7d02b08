#include "app/face_reload.h"

#include "shell/process_state.h"
#include "store/face_store.h"
#include "view/edit_mode.h"
#include "view/picker_fill.h"

void ReloadFaceList()
{
    ReadBackEditList();
    if (!ReadFaceFileAgain(FaceFilePath)) {
        return;
    }
    RefreshPicker();
    if (EditMode) {
        FillEditListView();
    }
    UpdateTitleCounter(PickerWindow);
}

void ReloadFaceListIfChangedOutside()
{
    if (FaceFileChangedOutside(FaceFilePath)) {
        ReloadFaceList();
    }
}
