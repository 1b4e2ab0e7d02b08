#pragma once
// Keeps the lists and the emoticon file in step without ever writing over what someone else put
// into the file, and without dropping what the user changed when the file cannot take it.
#include <string>

#include "store/face_lists.h"
#include "store/file_stamp.h"
#include "store/text_encoding.h"

// What the program knows of the emoticon file since it last read or wrote it.
struct FaceFileSync {
    // The lists came from the whole file (or from no file at all), so writing them loses nothing.
    bool complete = false;
    // The file as it was then, and the encoding it is written in.
    FileStamp stamp;
    ListFileForm form;
    // The lists have left the Shift-JIS the file is in: its bytes are kept under a free name of
    // their own (see FreeShiftJisCopyPath) before the lists are first written over it.
    bool keepShiftJisFile = false;
    // The lists in their saved form as they were then, or as they were last kept aside: where
    // the lists differ from it they hold the user's unsaved work. Just after a read it is the
    // file's text as the lists were made from it (savedTextAsRead), put in the saved form only
    // when first compared: a long list is not written out once more while the picker starts.
    std::string savedText;
    bool savedTextAsRead = false;
};

// True when the lists may be written over the file: they came from the whole file, it has not
// changed since (or is gone, so a write takes nothing from anyone) and nobody holds it shut.
bool MayWriteFaceFile(const char* path, const FaceFileSync& sync);

// Reads the file again. When it can be read whole and the unsaved work in the lists is safe
// (kept aside, or there is none), the lists take the file's entries and true is returned.
// Otherwise the lists stay as they are, are no longer taken for the whole file (so that the next
// save reads and keeps aside again rather than write), and false is returned.
bool ReloadFaceLists(const char* path, TextList& faces, TextList& tags, FaceFileSync& sync);

// Writes the lists over the file, first keeping the old file's bytes when keepShiftJisFile says so;
// when either fails, the unsaved work is kept aside instead. True when the file now holds the
// lists.
bool StoreFaceLists(const char* path, const TextList& faces, const TextList& tags,
                    FaceFileSync& sync);

// What became of the lists' unsaved work.
struct KeptAside {
    // Nothing is lost if the lists are replaced now: the work was written, or there was none.
    bool safe = true;
    // The file written; empty when nothing was.
    std::string path;
};

// Writes the lists to a new file beside the emoticon file (see KeptAsidePath) when they hold
// unsaved work and are not empty.
KeptAside KeepUnsavedWorkAside(const char* path, const TextList& faces, const TextList& tags,
                               FaceFileSync& sync);

// The name unsaved work is kept under: "Vemplor.txt" gives "Vemplor.unsaved.txt" for number 1,
// "Vemplor.unsaved-2.txt" for number 2, and so on; with a label, "Vemplor.<label>.txt" and so on.
std::string KeptAsidePath(const std::string& path, int number, const char* label = "unsaved");

// The first of those names no file has yet; empty when all are taken.
std::string FreeKeptAsidePath(const std::string& path, const char* label);
// Where the Shift-JIS file would be kept now: "Vemplor.sjis.txt" or the next free name.
std::string FreeShiftJisCopyPath(const std::string& path);
