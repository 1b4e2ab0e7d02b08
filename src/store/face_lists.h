#pragma once
// The program's data: the emoticons with their tags and the prepared filters. Byte strings in
// the user's code page, never converted.
#include <string>
#include <vector>

using TextList = std::vector<std::string>;

// FaceList[i] and TagList[i] form one entry; both lists always have the same length.
extern TextList FaceList;
extern TextList TagList;
extern TextList FilterList;

// Whoever changes FaceList or TagList, other than by moving an entry to the top, counts the
// change, so that what is made from the lists (the folded forms searched by reading) is made
// again before it is used.
void NoteFaceListsChanged();
unsigned long FaceListsChangeCount();
