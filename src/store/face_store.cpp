#include "store/face_store.h"

#include <windows.h>

#include "app/app_state.h"
#include "store/face_file.h"
#include "view/picker_controls.h"
#include "view/picker_fill.h"

void LoadFaceFile()
{
    ReadFaceFile(FaceFilePath, FaceList, TagList);
    FillFaceView();
    SendMessageA(FaceCombo, CB_SETCURSEL, 0, 0);
}

void LoadFilterFile()
{
    ReadFilterFile(FilterFilePath, FilterList);
    FillFilterCombo();
}

void SaveFaceFile()
{
    WriteFaceFile(FaceFilePath, FaceList, TagList);
}
