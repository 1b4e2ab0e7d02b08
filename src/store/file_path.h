#pragma once
// The store's file names are UTF-8, so a folder may be named in any characters; on Windows they
// reach the system through its wide calls, never through the code page.
#include <cstdio>
#include <string>

// Opens the file as std::fopen does.
std::FILE* OpenFile(const char* path, const char* mode);

#ifdef _WIN32
std::wstring WidePath(const std::string& path);
std::string Utf8Path(const wchar_t* path);
#endif
