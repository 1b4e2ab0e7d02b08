#pragma once
// The program's data, the emoticons with their tags and the prepared filters, and the files
// behind them; each call names the file it works on.
#include "store/face_file.h"
#include "store/face_file_sync.h"
#include "store/text_encoding.h"

struct FaceLists {
    // FaceList[i] and TagList[i] form one entry; both lists always have the same length.
    TextList FaceList;
    TextList TagList;
    TextList FilterList;
    // Whoever changes FaceList or TagList, other than by moving an entry to the top, counts the
    // change (NoteFaceListsChanged), so that what is made from the lists (the folded forms
    // searched by reading) is made again before it is used.
    unsigned long changeCount = 0;
    // What the files were when last read or written, their encodings included.
    FaceFileSync faceFile;
    ListFileForm filterFile;
};

void NoteFaceListsChanged(FaceLists& lists);

// Loads the emoticon file into the lists. A file that exists but cannot be read whole leaves the
// lists empty and is never written over (see SaveFaceFile).
void LoadFaceFile(FaceLists& lists, const char* path);
// Loads the filter file into the filter list.
void LoadFilterFile(FaceLists& lists, const char* path);
// True when the emoticon file is no longer the one the lists were last read from or written to
// (someone else changed it), or it could not be read whole before.
bool FaceFileChangedOutside(const FaceLists& lists, const char* path);
// Reads the emoticon file into the lists again, keeping the lists' unsaved work aside in
// "Vemplor.unsaved.txt" first. False when the file could not be read whole: the lists then stay
// as they are.
bool ReadFaceFileAgain(FaceLists& lists, const char* path);
// The encodings the emoticon and filter files were read in: the lists hold bytes in them (see
// DecodeListFile).
TextEncoding FaceListEncoding(const FaceLists& lists);
TextEncoding FilterListEncoding(const FaceLists& lists);
// Writes the lists back to the emoticon file, but never over a file someone else changed or
// that was not read whole: that file is read again instead, and what the lists held that the
// file does not is kept aside. A failed save leaves the old file as it was.
void SaveFaceFile(FaceLists& lists, const char* path);
// From now on the emoticon file is written as UTF-8 with a byte-order mark, the Shift-JIS file
// being kept under a name of its own first; the caller has turned the lists' bytes into UTF-8.
void WriteFaceFileAsUtf8(FaceLists& lists);
