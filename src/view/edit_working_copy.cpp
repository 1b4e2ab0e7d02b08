#include "view/edit_working_copy.h"

TextList EditRowFaces;
TextList EditRowTags;
