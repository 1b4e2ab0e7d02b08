#include "app/face_reload.h"

#include "shell/process_state.h"
#include "store/face_store.h"
#include "view/edit_mode.h"

void ReloadFaceList()
{
    ReadBackEditList();
    if (!ReadFaceFileAgain(FaceFilePath)) {
        return;
    }
    ShowChangedLists();
}

void ReloadFaceListIfChangedOutside()
{
    if (FaceFileChangedOutside(FaceFilePath)) {
        ReloadFaceList();
    }
}
