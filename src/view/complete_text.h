#pragma once
// What a control is handed for an entry. Controls read a text up to its first NUL and convert it
// character by character; a lead byte of a double-byte character with no second byte before
// that NUL makes the system's conversion read past the end of the text. The entry itself keeps
// its bytes: only the copy handed to a control is made complete.
#include <string>

#include "store/text_encoding.h"

// Whether the text's last byte is a lead byte left without its second byte.
bool EndsInHalfCharacter(const char* text, std::size_t length);

// The entry up to its first NUL; a lead byte left without its second byte at the end becomes
// '?'. Every other byte stays as it is.
std::string CompleteText(const std::string& entry);
