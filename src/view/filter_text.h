#pragma once
#include <string>

// The text in the filter box, whole, however long and whatever its first character.
std::string FilterText();

// True while the filter box holds any text, so the emoticon list shows the filtered entries.
bool IsFilterTyped();
