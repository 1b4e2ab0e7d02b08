#include "store/face_file_sync.h"

#include <cerrno>
#include <cstdio>

#include "store/face_file.h"
#include "store/file_replace.h"

namespace {

const int MostKeptAsideFiles = 999;

// A program that holds the file open without sharing (a virus scanner, a sync client) is still
// working on it; on some systems a rename would replace the file regardless.
bool NobodyHoldsItShut(const char* path)
{
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return errno == ENOENT;
    }
    std::fclose(file);
    return true;
}

} // namespace

bool MayWriteFaceFile(const char* path, const FaceFileSync& sync)
{
    if (!sync.complete) {
        return false;
    }
    FileStamp now = StampOf(path);
    return !now.exists || (now == sync.stamp && NobodyHoldsItShut(path));
}

bool ReloadFaceLists(const char* path, TextList& faces, TextList& tags, FaceFileSync& sync)
{
    FileStamp stamp = StampOf(path);
    TextList fileFaces;
    TextList fileTags;
    ListFileForm form;
    if (!ReadFaceFile(path, fileFaces, fileTags, &form)) {
        sync.complete = false;
        return false;
    }
    if (!KeepUnsavedWorkAside(path, faces, tags, sync).safe) {
        sync.complete = false;
        return false;
    }
    faces.swap(fileFaces);
    tags.swap(fileTags);
    sync.complete = true;
    sync.stamp = stamp;
    sync.form = std::move(form);
    sync.savedText = FormatFaceText(faces, tags);
    return true;
}

bool StoreFaceLists(const char* path, const TextList& faces, const TextList& tags,
                    FaceFileSync& sync)
{
    std::string text = FormatFaceText(faces, tags);
    if (!ReplaceFileContents(path, EncodeListFile(text, sync.form))) {
        KeepUnsavedWorkAside(path, faces, tags, sync);
        return false;
    }
    sync.complete = true;
    sync.stamp = StampOf(path);
    sync.savedText = std::move(text);
    return true;
}

KeptAside KeepUnsavedWorkAside(const char* path, const TextList& faces, const TextList& tags,
                               FaceFileSync& sync)
{
    std::string text = FormatFaceText(faces, tags);
    if (faces.empty() || text == sync.savedText) {
        return {};
    }
    for (int number = 1; number <= MostKeptAsideFiles; ++number) {
        std::string kept = KeptAsidePath(path, number);
        if (!StampOf(kept.c_str()).exists) {
            if (!ReplaceFileContents(kept.c_str(), EncodeListFile(text, sync.form))) {
                break;
            }
            sync.savedText = std::move(text);
            return {true, kept};
        }
    }
    return {false, {}};
}

std::string KeptAsidePath(const std::string& path, int number)
{
    std::string::size_type nameStart = path.find_last_of("/\\");
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    std::string::size_type dot = path.rfind('.');
    if (dot == std::string::npos || dot <= nameStart) {
        dot = path.size();
    }
    std::string suffix = number == 1 ? ".unsaved" : ".unsaved-" + std::to_string(number);
    return path.substr(0, dot) + suffix + path.substr(dot);
}
