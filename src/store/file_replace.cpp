#include "store/file_replace.h"

#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
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

const int TemporaryNameTries = 100;

// A file created here and now, never one that was there before.
std::FILE* CreateNewFile(const char* path)
{
#ifdef _WIN32
    int descriptor = _open(path, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    std::FILE* file = descriptor >= 0 ? _fdopen(descriptor, "wb") : nullptr;
    if (descriptor >= 0 && file == nullptr) {
        _close(descriptor);
    }
#else
    int descriptor = open(path, O_WRONLY | O_CREAT | O_EXCL, 0666);
    std::FILE* file = descriptor >= 0 ? fdopen(descriptor, "wb") : nullptr;
    if (descriptor >= 0 && file == nullptr) {
        close(descriptor);
    }
#endif
    return file;
}

// The temporary file beside the target: "<name>.saving", or, when a file or directory of that
// name is in the way (left by a crash, or the user's), "<name>.saving1" and so on. What is in
// the way is never written into nor removed.
std::FILE* CreateTemporaryBeside(const char* path, std::string& temporary)
{
    for (int attempt = 0; attempt < TemporaryNameTries; ++attempt) {
        temporary = std::string(path) + ".saving" + (attempt > 0 ? std::to_string(attempt) : "");
        if (std::FILE* file = CreateNewFile(temporary.c_str())) {
            return file;
        }
    }
    return nullptr;
}

bool WriteAll(std::FILE* file, const std::string& contents)
{
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
    std::string temporary;
    std::FILE* file = CreateTemporaryBeside(path, temporary);
    if (file == nullptr) {
        return false;
    }
    if (WriteAll(file, contents) && MoveOver(temporary.c_str(), path)) {
        return true;
    }
    std::remove(temporary.c_str());
    return false;
}
