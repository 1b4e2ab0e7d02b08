#include "store/file_stamp.h"

#include "store/file_path.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

bool operator==(const FileStamp& left, const FileStamp& right)
{
    return left.exists == right.exists && left.size == right.size && left.written == right.written;
}

// The write time in the file system's finest unit, so two saves in one second still differ.
FileStamp StampOf(const char* path)
{
    FileStamp stamp;
#ifdef _WIN32
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(WidePath(path).c_str(), GetFileExInfoStandard, &data)) {
        return stamp;
    }
    stamp.size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.written = static_cast<long long>(
        (static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
        data.ftLastWriteTime.dwLowDateTime);
#else
    struct stat status;
    if (stat(path, &status) != 0) {
        return stamp;
    }
    stamp.size = static_cast<unsigned long long>(status.st_size);
    stamp.written = static_cast<long long>(status.st_mtim.tv_sec) * 1000000000LL +
                    status.st_mtim.tv_nsec;
#endif
    stamp.exists = true;
    return stamp;
}
