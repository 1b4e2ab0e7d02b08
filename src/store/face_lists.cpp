#include "store/face_lists.h"

TextList FaceList;
TextList TagList;
TextList FilterList;
