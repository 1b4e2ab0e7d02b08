#pragma once
// Entries and filters as the controls show them, and the controls' texts as entries: the lists
// hold bytes in the encoding their file was read in, the controls UTF-16.
#include <string>

#include "store/text_encoding.h"

// The entry up to its first NUL; a Shift-JIS lead byte left without its second byte shows as '?'.
std::wstring ShownEntry(const std::string& entry, TextEncoding encoding);
// The same into a buffer the caller keeps, so a long list's fill reuses one for every item.
void ShowEntryInto(const std::string& entry, TextEncoding encoding, std::wstring& shown);

// A control's text as an entry in the encoding.
std::string EntryFromShown(const std::wstring& text, TextEncoding encoding);

// True when the encoding holds the text exactly.
bool FitsFaceList(const std::wstring& text, TextEncoding encoding);
