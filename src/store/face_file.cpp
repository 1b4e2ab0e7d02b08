#include "store/face_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "store/file_path.h"
#include "store/file_replace.h"

namespace {

const long MostBytesReservedAtOnce = 256L * 1024 * 1024;

// Calls take(start, length) for every line of text, its line end left out; the text after the
// last LF is always passed too.
template <typename TakeLine>
void ForEachLine(const std::string& text, TakeLine take)
{
    std::string::size_type start = 0;
    for (;;) {
        std::string::size_type end = text.find('\n', start);
        bool last = end == std::string::npos;
        std::string::size_type stop = last ? text.size() : end;
        std::string::size_type length = stop - start;
        if (!last && length > 0 && text[stop - 1] == '\r') {
            --length;
        }
        take(start, length);
        if (last) {
            return;
        }
        start = end + 1;
    }
}

// Room for every line at once: a long list does not grow its lists step by step.
std::size_t LineCount(const std::string& text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
}

} // namespace

void AppendEntryLine(std::string line, TextList& faces, TextList& tags)
{
    std::string::size_type tab = line.find('\t');
    if (tab == std::string::npos) {
        tags.emplace_back();
        faces.push_back(std::move(line));
    } else {
        tags.push_back(line.substr(0, tab));
        faces.push_back(line.substr(tab + 1));
    }
}

// The tag and the face are cut straight from the text, without a copy of the line between.
void ParseFaceText(const std::string& text, TextList& faces, TextList& tags)
{
    faces.clear();
    tags.clear();
    const std::size_t lines = LineCount(text);
    faces.reserve(lines);
    tags.reserve(lines);
    ForEachLine(text, [&](std::size_t start, std::size_t length) {
        if (length < 2) {
            return;
        }
        const char* line = text.data() + start;
        const void* tab = std::memchr(line, '\t', length);
        std::size_t tagLength = tab != nullptr ? static_cast<const char*>(tab) - line : 0;
        tags.emplace_back(line, tagLength);
        std::size_t faceStart = tab != nullptr ? tagLength + 1 : 0;
        faces.emplace_back(line + faceStart, length - faceStart);
    });
}

void ParseFilterText(const std::string& text, TextList& filters)
{
    filters.clear();
    filters.reserve(LineCount(text));
    ForEachLine(text, [&](std::size_t start, std::size_t length) {
        filters.emplace_back(text, start, length);
    });
}

std::string FormatFaceText(const TextList& faces, const TextList& tags)
{
    std::string text;
    std::string::size_type total = 0;
    for (std::size_t i = 0; i < faces.size(); ++i) {
        total += tags[i].size() + faces[i].size() + 3;
    }
    text.reserve(total);
    for (std::size_t i = 0; i < faces.size(); ++i) {
        if (i > 0) {
            text += "\r\n";
        }
        text += tags[i];
        text += '\t';
        text += faces[i];
    }
    return text;
}

bool ReadWholeStream(std::FILE* file, std::string& contents)
{
    contents.clear();
    // Room for the whole file at once, where its size can be told: a long list is not copied
    // again and again as it grows. What a directory or device tells is not believed.
    long size = std::fseek(file, 0, SEEK_END) == 0 ? std::ftell(file) : -1;
    std::rewind(file);
    if (size > 0 && size <= MostBytesReservedAtOnce) {
        contents.reserve(static_cast<std::size_t>(size));
    }
    char chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        contents.append(chunk, got);
    }
    return std::ferror(file) == 0;
}

FileRead ReadWholeFile(const char* path, std::string& contents)
{
    contents.clear();
    std::FILE* file = OpenFile(path, "rb");
    if (file == nullptr) {
        return errno == ENOENT ? FileRead::Missing : FileRead::Failed;
    }
    bool whole = ReadWholeStream(file, contents);
    std::fclose(file);
    if (!whole) {
        contents.clear();
        return FileRead::Failed;
    }
    return FileRead::Whole;
}

bool ReadFaceFile(const char* path, TextList& faces, TextList& tags, ListFileForm* form,
                  std::string* text)
{
    std::string bytes;
    if (ReadWholeFile(path, bytes) == FileRead::Failed) {
        return false;
    }
    ListFileForm read;
    std::string decoded = DecodeListFile(std::move(bytes), read);
    ParseFaceText(decoded, faces, tags);
    if (form != nullptr) {
        *form = std::move(read);
    }
    if (text != nullptr) {
        *text = std::move(decoded);
    }
    return true;
}

void ReadFilterFile(const char* path, TextList& filters, ListFileForm* form)
{
    std::string bytes;
    ListFileForm read;
    if (ReadWholeFile(path, bytes) == FileRead::Whole) {
        ParseFilterText(DecodeListFile(std::move(bytes), read), filters);
    } else {
        filters.clear();
    }
    if (form != nullptr) {
        *form = std::move(read);
    }
}

bool WriteFaceFile(const char* path, const TextList& faces, const TextList& tags,
                   const ListFileForm& form)
{
    return ReplaceFileContents(path, EncodeListFile(FormatFaceText(faces, tags), form));
}
