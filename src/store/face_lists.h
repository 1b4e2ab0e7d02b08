#pragma once
// The program's data: the emoticons with their tags, the prepared filters, and the entries the
// picker currently offers under a filter. Byte strings in the user's code page, never converted.
#include <string>
#include <vector>

using TextList = std::vector<std::string>;

// FaceList[i] and TagList[i] form one entry; both lists always have the same length.
extern TextList FaceList;
extern TextList TagList;
extern TextList FilterList;
// Rebuilt by each picker refresh: what FaceCombo offers while a filter text is set; empty while
// none is, when FaceCombo offers the whole list.
extern TextList ShownFaceList;
extern TextList ShownTagList;
