#pragma once
// The lists' entries: byte strings in the encoding of the file they came from, never converted.
#include <string>
#include <vector>

using TextList = std::vector<std::string>;
