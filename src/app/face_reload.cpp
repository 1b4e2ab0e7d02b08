#include "app/face_reload.h"

#include "app/app_state.h"
#include "store/face_store.h"
#include "view/edit_mode.h"
#include "view/picker_fill.h"

void ReloadFaceList()
{
    ReadBackEditList();
    if (!ReadFaceFileAgain()) {
        return;
    }
    RefreshPicker();
    if (EditMode) {
        FillFaceView();
    }
    UpdateTitleCounter(PickerWindow);
}

void ReloadFaceListIfChangedOutside()
{
    if (FaceFileChangedOutside()) {
        ReloadFaceList();
    }
}
