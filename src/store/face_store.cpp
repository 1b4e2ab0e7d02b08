#include "store/face_store.h"

#include "app/app_state.h"
#include "store/face_file.h"
#include "store/face_file_sync.h"

namespace {

FaceFileSync FaceFileState;

} // namespace

void LoadFaceFile()
{
    ReloadFaceLists(FaceFilePath, FaceList, TagList, FaceFileState);
}

void LoadFilterFile()
{
    ReadFilterFile(FilterFilePath, FilterList);
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
