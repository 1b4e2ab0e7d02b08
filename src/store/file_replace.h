#pragma once
#include <string>

// Replaces the file at path with contents without ever leaving it half written: the bytes go to
// a temporary file created new beside it (under a name nothing else holds), are flushed to
// disk, and only then take the old file's place. Temporary files an interrupted save left
// behind are removed first.
// A read-only target is left alone. On any failure the old file is untouched, the temporary
// file is removed and false is returned.
bool ReplaceFileContents(const char* path, const std::string& contents);
