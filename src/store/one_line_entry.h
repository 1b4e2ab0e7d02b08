#pragma once
// A list entry is one line of the list file, so it can never hold a line end.
#include <string>

// The text as an entry: line ends (CR LF, CR or LF) at either end are dropped, and each one
// inside becomes a single space, so that a face copied over several lines stays one entry. Every
// other byte stays as it is; the bytes of a line end are never the second byte of a Shift-JIS
// character, so this is safe on any bytes.
std::string OneLineEntry(const std::string& text);
