#include "store/face_store.h"

#include "store/face_file.h"
#include "store/face_file_sync.h"

namespace {

FaceFileSync FaceFileState;
ListFileForm FilterFileForm;

} // namespace

void LoadFaceFile(const char* path)
{
    ReloadFaceLists(path, FaceList, TagList, FaceFileState);
    NoteFaceListsChanged();
}

void LoadFilterFile(const char* path)
{
    ReadFilterFile(path, FilterList, &FilterFileForm);
}

bool FaceFileChangedOutside(const char* path)
{
    return !MayWriteFaceFile(path, FaceFileState);
}

bool ReadFaceFileAgain(const char* path)
{
    bool read = ReloadFaceLists(path, FaceList, TagList, FaceFileState);
    NoteFaceListsChanged();
    return read;
}

void SaveFaceFile(const char* path)
{
    if (MayWriteFaceFile(path, FaceFileState)) {
        StoreFaceLists(path, FaceList, TagList, FaceFileState);
    } else if (!ReadFaceFileAgain(path)) {
        KeepUnsavedWorkAside(path, FaceList, TagList, FaceFileState);
    }
}

TextEncoding FaceListEncoding()
{
    return FaceFileState.form.encoding;
}

TextEncoding FilterListEncoding()
{
    return FilterFileForm.encoding;
}

void WriteFaceFileAsUtf8()
{
    FaceFileState.form = {TextEncoding::Utf8WithBom, {}};
    FaceFileState.keepShiftJisFile = true;
}
