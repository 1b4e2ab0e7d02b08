#pragma once
// The emoticon file (one entry a line: tag, TAB, emoticon) and the filter file (one filter a
// line). Lines end at LF; a CR right before the LF is not part of the line, so files with
// CR LF and with LF line ends read the same. The handling is our own, not the C library's
// text mode, so it is the same on every platform.
#include <cstdio>
#include <string>

#include "store/face_lists.h"
#include "store/text_encoding.h"

// Appends the entry a line holds: split at its first TAB, tag before, emoticon after; a line
// without TAB is an emoticon with no tag.
void AppendEntryLine(std::string line, TextList& faces, TextList& tags);

// Splits file contents into entries, one a line, skipping lines shorter than 2 bytes. Lines are
// kept whole, however long, so nothing the user wrote is lost on the way back.
void ParseFaceText(const std::string& text, TextList& faces, TextList& tags);

// Every line is one filter, empty ones included; the text after the last line end is always
// one more entry, so a file ending in a line end gives a last, empty filter.
void ParseFilterText(const std::string& text, TextList& filters);

// The saved form: "tag TAB face" per entry, CR LF between entries, none after the last;
// an empty list gives no bytes at all.
std::string FormatFaceText(const TextList& faces, const TextList& tags);

enum class FileRead { Whole, Missing, Failed };

// Reads an open stream to its end; false when a read failed on the way (contents then partial).
bool ReadWholeStream(std::FILE* file, std::string& contents);

// Reads a whole file. A file that is not there is Missing; one that exists but cannot be opened
// or read to its end (held open by another program, a read error half-way) has Failed, and
// contents is then empty: a partial list must never pass for the whole one.
FileRead ReadWholeFile(const char* path, std::string& contents);

// Reads the emoticon file, in the encoding it is in, into the lists, and tells its form and hands
// over the text the lists were made from (decoded as they hold it) when asked; a missing file
// gives empty lists and the Shift-JIS form. False when the file could not be read whole: the
// lists are then left as they were.
bool ReadFaceFile(const char* path, TextList& faces, TextList& tags,
                  ListFileForm* form = nullptr, std::string* text = nullptr);

// Reads the filter file, in the encoding it is in; a missing or unreadable file gives an empty
// list.
void ReadFilterFile(const char* path, TextList& filters, ListFileForm* form = nullptr);

// Writes the lists to the emoticon file in the form given. The old file is replaced only once
// the new contents are safely on disk; on failure it is left as it was and false is returned.
bool WriteFaceFile(const char* path, const TextList& faces, const TextList& tags,
                   const ListFileForm& form = {});
