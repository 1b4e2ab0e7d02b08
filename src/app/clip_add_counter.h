#pragma once
#include <string>

#include "store/text_encoding.h"

// The length shown under the text to add, in the columns it takes: a Shift-JIS text's bytes, so
// a double-byte character counts 2; for text in UTF-8, 2 for each wide or full-width character
// and 1 for every other character (and for each byte that forms none).
std::string ClipAddCounterText(const std::string& text, TextEncoding encoding);
