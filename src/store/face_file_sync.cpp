#include "store/face_file_sync.h"

#include <cerrno>
#include <cstdio>

#include "store/face_file.h"
#include "store/file_path.h"
#include "store/file_replace.h"

namespace {

const int MostKeptAsideFiles = 999;

// A program that holds the file open without sharing (a virus scanner, a sync client) is still
// working on it; on some systems a rename would replace the file regardless.
bool NobodyHoldsItShut(const char* path)
{
    std::FILE* file = OpenFile(path, "rb");
    if (file == nullptr) {
        return errno == ENOENT;
    }
    std::fclose(file);
    return true;
}

// The file's bytes under a name of their own, never over an earlier copy; nothing to do when
// there is no file.
bool KeepShiftJisFile(const char* path)
{
    std::string bytes;
    FileRead read = ReadWholeFile(path, bytes);
    if (read == FileRead::Missing) {
        return true;
    }
    std::string kept = FreeShiftJisCopyPath(path);
    return read == FileRead::Whole && !kept.empty() && ReplaceFileContents(kept.c_str(), bytes);
}

// The saved form of the lists as they were when last read, written or kept aside.
const std::string& SavedText(FaceFileSync& sync)
{
    if (sync.savedTextAsRead) {
        TextList faces;
        TextList tags;
        ParseFaceText(sync.savedText, faces, tags);
        sync.savedText = FormatFaceText(faces, tags);
        sync.savedTextAsRead = false;
    }
    return sync.savedText;
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
    std::string text;
    if (!ReadFaceFile(path, fileFaces, fileTags, &form, &text)) {
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
    // The file read is in an encoding of its own now; a switch of the old lists is moot.
    sync.keepShiftJisFile = false;
    sync.form = std::move(form);
    sync.savedText = std::move(text);
    sync.savedTextAsRead = true;
    return true;
}

bool StoreFaceLists(const char* path, const TextList& faces, const TextList& tags,
                    FaceFileSync& sync)
{
    if (sync.keepShiftJisFile && !KeepShiftJisFile(path)) {
        KeepUnsavedWorkAside(path, faces, tags, sync);
        return false;
    }
    sync.keepShiftJisFile = false;
    std::string text = FormatFaceText(faces, tags);
    if (!ReplaceFileContents(path, EncodeListFile(text, sync.form))) {
        KeepUnsavedWorkAside(path, faces, tags, sync);
        return false;
    }
    sync.complete = true;
    sync.stamp = StampOf(path);
    sync.savedText = std::move(text);
    sync.savedTextAsRead = false;
    return true;
}

KeptAside KeepUnsavedWorkAside(const char* path, const TextList& faces, const TextList& tags,
                               FaceFileSync& sync)
{
    std::string text = FormatFaceText(faces, tags);
    if (faces.empty() || text == SavedText(sync)) {
        return {};
    }
    std::string kept = FreeKeptAsidePath(path, "unsaved");
    if (kept.empty() || !ReplaceFileContents(kept.c_str(), EncodeListFile(text, sync.form))) {
        return {false, {}};
    }
    sync.savedText = std::move(text);
    sync.savedTextAsRead = false;
    return {true, kept};
}

std::string FreeKeptAsidePath(const std::string& path, const char* label)
{
    for (int number = 1; number <= MostKeptAsideFiles; ++number) {
        std::string kept = KeptAsidePath(path, number, label);
        if (!StampOf(kept.c_str()).exists) {
            return kept;
        }
    }
    return {};
}

std::string FreeShiftJisCopyPath(const std::string& path)
{
    return FreeKeptAsidePath(path, "sjis");
}

std::string KeptAsidePath(const std::string& path, int number, const char* label)
{
    std::string::size_type nameStart = path.find_last_of("/\\");
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    std::string::size_type dot = path.rfind('.');
    if (dot == std::string::npos || dot <= nameStart) {
        dot = path.size();
    }
    std::string suffix = std::string(".") + label;
    if (number > 1) {
        suffix += "-" + std::to_string(number);
    }
    return path.substr(0, dot) + suffix + path.substr(dot);
}
