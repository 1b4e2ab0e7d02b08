#pragma once
// The emoticon and filter files behind the lists; each call names the file it works on.
#include "store/text_encoding.h"

// Loads the emoticon file into the lists; the views are not touched. A file that exists but
// cannot be read whole leaves the lists empty and is never written over (see SaveFaceFile).
void LoadFaceFile(const char* path);
// Loads the filter file into the filter list; the views are not touched.
void LoadFilterFile(const char* path);
// True when the emoticon file is no longer the one the lists were last read from or written to
// (someone else changed it), or it could not be read whole before.
bool FaceFileChangedOutside(const char* path);
// Reads the emoticon file into the lists again, keeping the lists' unsaved work aside in
// "Vemplor.unsaved.txt" first; the views are not touched. False when the file could not be read
// whole: the lists then stay as they are.
bool ReadFaceFileAgain(const char* path);
// The encodings the emoticon and filter files were read in: the lists hold bytes in them (see
// DecodeListFile).
TextEncoding FaceListEncoding();
TextEncoding FilterListEncoding();
// Writes the lists back to the emoticon file, but never over a file someone else changed or
// that was not read whole: that file is read again instead, and what the lists held that the
// file does not is kept aside. A failed save leaves the old file as it was.
void SaveFaceFile(const char* path);
// From now on the emoticon file is written as UTF-8 with a byte-order mark, the Shift-JIS file
// being kept under a name of its own first; the caller has turned the lists' bytes into UTF-8.
void WriteFaceFileAsUtf8();
