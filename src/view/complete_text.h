#pragma once
// What a control is handed for an entry. Controls read a text up to its first NUL and convert it
// character by character; a lead byte of a double-byte character with no second byte before
// that NUL makes the system's conversion read past the end of the text. The entry itself keeps
// its bytes: only the copy handed to a control is made complete.
#include <string>

// The program's code page is 932, Shift-JIS: its texts and literals are in it on every system.
bool IsShiftJisLeadByte(unsigned char byte);

// Whether the text's last byte is a lead byte left without its second byte.
bool EndsInHalfCharacter(const char* text, std::size_t length);

// The entry up to its first NUL; a lead byte left without its second byte at the end becomes
// '?'. Every other byte stays as it is.
std::string CompleteText(const std::string& entry);
