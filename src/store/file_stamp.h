#pragma once
// What tells one version of a file from another without reading it: whether it is there, its
// size and its last-write time. Someone else's editor or sync client changes at least one.
struct FileStamp {
    bool exists = false;
    unsigned long long size = 0;
    long long written = 0;
};

bool operator==(const FileStamp& left, const FileStamp& right);

FileStamp StampOf(const char* path);
