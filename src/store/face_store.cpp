#include "store/face_store.h"

#include <windows.h>

#include "app/app_state.h"
#include "store/face_file.h"
#include "store/face_file_sync.h"
#include "view/picker_controls.h"
#include "view/picker_fill.h"

namespace {

FaceFileSync FaceFileState;

} // namespace

void LoadFaceFile()
{
    ReloadFaceLists(FaceFilePath, FaceList, TagList, FaceFileState);
    FillFaceView();
    SendMessageA(FaceCombo, CB_SETCURSEL, 0, 0);
}

void LoadFilterFile()
{
    ReadFilterFile(FilterFilePath, FilterList);
    FillFilterCombo();
}

bool FaceFileChangedOutside()
{
    return !MayWriteFaceFile(FaceFilePath, FaceFileState);
}

bool ReadFaceFileAgain()
{
    return ReloadFaceLists(FaceFilePath, FaceList, TagList, FaceFileState);
}

void SaveFaceFile()
{
    if (MayWriteFaceFile(FaceFilePath, FaceFileState)) {
        StoreFaceLists(FaceFilePath, FaceList, TagList, FaceFileState);
    } else if (!ReadFaceFileAgain()) {
        KeepUnsavedWorkAside(FaceFilePath, FaceList, TagList, FaceFileState);
    }
}
