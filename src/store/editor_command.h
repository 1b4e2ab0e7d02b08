#pragma once
#include <string>

// The command line that opens a file in an editor: both paths quoted, so that a space in either
// ("C:\Program Files\...") cannot split them, and as long as the paths need.
std::string EditorCommandLine(const std::string& editorPath, const std::string& filePath);
