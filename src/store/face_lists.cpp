#include "store/face_lists.h"

TextList FaceList;
TextList TagList;
TextList FilterList;

namespace {

unsigned long FaceListsChanges = 0;

} // namespace

void NoteFaceListsChanged()
{
    ++FaceListsChanges;
}

unsigned long FaceListsChangeCount()
{
    return FaceListsChanges;
}
