#include "store/file_replace.h"

#include "store/file_path.h"

#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <dirent.h>
#include <unistd.h>
#endif

namespace {

bool TargetIsReadOnly(const char* path)
{
#ifdef _WIN32
    DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
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
    return MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(from, to) == 0;
#endif
}

// A file created here and now, never one that was there before.
std::FILE* CreateNewFile(const char* path)
{
#ifdef _WIN32
    int descriptor = _wopen(WidePath(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                            _S_IREAD | _S_IWRITE);
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

bool Exists(const std::string& path)
{
#ifdef _WIN32
    return GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
#else
    struct stat status;
    return lstat(path.c_str(), &status) == 0;
#endif
}

// "<name>.saving" for number 0, else "<name>.saving<number>".
std::string TemporaryName(const char* path, unsigned number)
{
    return std::string(path) + ".saving" + (number > 0 ? std::to_string(number) : "");
}

// The temporary file beside the target, under the first of its names that nothing holds. A
// directory or a file in the way (the user's, or one another program still writes) is never
// written into nor removed. Only a name that is free and still cannot be created ends the search.
std::FILE* CreateTemporaryBeside(const char* path, std::string& temporary)
{
    for (unsigned number = 0;; ++number) {
        temporary = TemporaryName(path, number);
        if (std::FILE* file = CreateNewFile(temporary.c_str())) {
            return file;
        }
        if (!Exists(temporary)) {
            return nullptr;
        }
    }
}

// A file the picker left when it was stopped half-way through a save: "<name>.saving" followed
// by nothing but digits.
bool IsTemporaryName(const std::string& fileName, const std::string& targetName)
{
    std::string prefix = targetName + ".saving";
    if (fileName.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    return fileName.find_first_not_of("0123456789", prefix.size()) == std::string::npos;
}

// Up to and including the last separator: where the target's siblings are named from.
std::string FolderPart(const std::string& path)
{
    std::string::size_type separator = path.find_last_of("/\\");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

// Removes the plain files of the temporary names. On Windows, one that is held open (another copy
// of the picker in the middle of its save) or read-only stays; a folder always does.
void RemoveLeftoverTemporaries(const char* path)
{
    std::string folder = FolderPart(path);
    std::string targetName = std::string(path).substr(folder.size());
#ifdef _WIN32
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(WidePath(std::string(path) + ".saving*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
            IsTemporaryName(Utf8Path(found.cFileName), targetName)) {
            // Opened without sharing, the file exists for nobody else, and goes when it is closed.
            HANDLE file = CreateFileW(WidePath(folder + Utf8Path(found.cFileName)).c_str(), DELETE,
                                      0, nullptr, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE,
                                      nullptr);
            if (file != INVALID_HANDLE_VALUE) {
                CloseHandle(file);
            }
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
#else
    DIR* directory = opendir(folder.empty() ? "." : folder.c_str());
    if (directory == nullptr) {
        return;
    }
    while (dirent* entry = readdir(directory)) {
        std::string name = folder + entry->d_name;
        struct stat status;
        if (IsTemporaryName(entry->d_name, targetName) && lstat(name.c_str(), &status) == 0 &&
            S_ISREG(status.st_mode)) {
            unlink(name.c_str());
        }
    }
    closedir(directory);
#endif
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
    RemoveLeftoverTemporaries(path);
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
