#include "store/face_store.h"

void NoteFaceListsChanged(FaceLists& lists)
{
    ++lists.changeCount;
}

void LoadFaceFile(FaceLists& lists, const char* path)
{
    ReloadFaceLists(path, lists.FaceList, lists.TagList, lists.faceFile);
    NoteFaceListsChanged(lists);
}

void LoadFilterFile(FaceLists& lists, const char* path)
{
    ReadFilterFile(path, lists.FilterList, &lists.filterFile);
}

bool FaceFileChangedOutside(const FaceLists& lists, const char* path)
{
    return !MayWriteFaceFile(path, lists.faceFile);
}

bool ReadFaceFileAgain(FaceLists& lists, const char* path)
{
    bool read = ReloadFaceLists(path, lists.FaceList, lists.TagList, lists.faceFile);
    NoteFaceListsChanged(lists);
    return read;
}

void SaveFaceFile(FaceLists& lists, const char* path)
{
    if (MayWriteFaceFile(path, lists.faceFile)) {
        StoreFaceLists(path, lists.FaceList, lists.TagList, lists.faceFile);
    } else if (!ReadFaceFileAgain(lists, path)) {
        KeepUnsavedWorkAside(path, lists.FaceList, lists.TagList, lists.faceFile);
    }
}

TextEncoding FaceListEncoding(const FaceLists& lists)
{
    return lists.faceFile.form.encoding;
}

TextEncoding FilterListEncoding(const FaceLists& lists)
{
    return lists.filterFile.encoding;
}

void WriteFaceFileAsUtf8(FaceLists& lists)
{
    lists.faceFile.form = {TextEncoding::Utf8WithBom, {}};
    lists.faceFile.keepShiftJisFile = true;
}
