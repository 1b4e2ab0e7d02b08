#pragma once
// Entries and filters as the controls show them, and the controls' texts as entries: the lists
// hold bytes in the encoding their file was read in, the controls UTF-16.
#include <string>

// The entry up to its first NUL; a Shift-JIS lead byte left without its second byte shows as '?'.
std::wstring ShownEntry(const std::string& entry);
std::wstring ShownFilter(const std::string& filter);

// A control's text in the emoticon list's encoding.
std::string EntryFromShown(const std::wstring& text);

// True when the emoticon list's encoding holds the text exactly.
bool FitsFaceList(const std::wstring& text);
