#include "store/file_replace.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

bool TargetIsReadOnly(const char* path)
{
#ifdef _WIN32
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
#else
    struct stat status;
    return stat(path, &status) == 0 && (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
#endif
}

bool FlushToDisk(std::FILE* file)
{
    if (std::fflush(file) != 0) {
        return false;
    }
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

bool MoveOver(const char* from, const char* to)
{
#ifdef _WIN32
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(from, to) == 0;
#endif
}

bool WriteAll(const char* path, const std::string& contents)
{
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        return false;
    }
    bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    written = FlushToDisk(file) && written;
    return std::fclose(file) == 0 && written;
}

} // namespace

bool ReplaceFileContents(const char* path, const std::string& contents)
{
    if (TargetIsReadOnly(path)) {
        return false;
    }
    std::string temporary = std::string(path) + ".saving";
    if (WriteAll(temporary.c_str(), contents) && MoveOver(temporary.c_str(), path)) {
        return true;
    }
    std::remove(temporary.c_str());
    return false;
}
