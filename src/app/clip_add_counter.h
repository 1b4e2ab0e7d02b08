#pragma once
#include <string>

// The length shown under the text to add: its bytes in the user's code page, so a double-byte
// character counts 2.
std::string ClipAddCounterText(const std::string& text);
