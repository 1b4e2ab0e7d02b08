#include "store/file_path.h"

#ifdef _WIN32
#include <windows.h>

std::wstring WidePath(const std::string& path)
{
    int length = static_cast<int>(path.size());
    int units = MultiByteToWideChar(CP_UTF8, 0, path.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units > 0 ? units : 0), L'\0');
    if (units > 0) {
        MultiByteToWideChar(CP_UTF8, 0, path.data(), length, &wide[0], units);
    }
    return wide;
}

std::string Utf8Path(const wchar_t* path)
{
    int bytes = WideCharToMultiByte(CP_UTF8, 0, path, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(bytes > 0 ? bytes : 1), '\0');
    if (bytes > 0) {
        WideCharToMultiByte(CP_UTF8, 0, path, -1, &narrow[0], bytes, nullptr, nullptr);
    }
    narrow.pop_back();
    return narrow;
}

std::FILE* OpenFile(const char* path, const char* mode)
{
    return _wfopen(WidePath(path).c_str(), WidePath(mode).c_str());
}
#else
std::FILE* OpenFile(const char* path, const char* mode)
{
    return std::fopen(path, mode);
}
#endif
