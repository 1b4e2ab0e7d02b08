// Runs the picker of an unpacked release zip in the folder it was unpacked to, as a user who
// starts it there: it shows the starter list whole, and closed it exits with 0 having saved the
// list and its place in that folder.
//   release_zip_run FOLDER
// Each step waits for its condition; the first that never holds is named and the exit code is 1.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "harness.h"

namespace {

int Fail(const std::string& step)
{
    std::fprintf(stderr, "release zip: %s\n", step.c_str());
    return 1;
}

// The lines of a list, "tag TAB emoticon" each; the picker ends no line after the last.
std::vector<std::string> ListLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        end = end == std::string::npos ? bytes.size() : end;
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// A time stamp long past, so that any save shows in the file's time.
bool AgeFile(const std::string& path, FILETIME& aged)
{
    SYSTEMTIME longAgo = {2001, 1, 0, 1, 0, 0, 0, 0};
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    bool ok = file != INVALID_HANDLE_VALUE && SystemTimeToFileTime(&longAgo, &aged) &&
              SetFileTime(file, nullptr, nullptr, &aged);
    CloseHandle(file);
    return ok;
}

bool WrittenSince(const std::string& path, const FILETIME& aged)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) &&
           CompareFileTime(&data.ftLastWriteTime, &aged) > 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        return Fail("usage: release_zip_run FOLDER");
    }
    const std::string folder = argv[1];
    const std::string list = folder + "\\" + FaceFile;
    std::string sample;
    FILETIME aged = {};
    if (!ReadFileBytes(list, sample) || !AgeFile(list, aged)) {
        return Fail("the zip's " + list + " cannot be read");
    }
    // The starter list is UTF-8 and tags every face, so its byte-order mark stays in a tag.
    const std::vector<std::string> lines = ListLines(sample);
    std::vector<std::string> faces;
    for (const std::string& line : lines) {
        faces.push_back(line.substr(line.find('\t') + 1));
    }
    const std::string title = "Vemplor 登録数[" + std::to_string(faces.size()) + "/" +
                              std::to_string(faces.size()) + "]";

    RunningPicker picker;
    if (!picker.Launch(folder + "\\vemplor.exe", folder)) {
        return Fail("the picker's window did not appear");
    }
    if (!TitleBecomes(picker.Picker(), title)) {
        return Fail("the title reads \"" + WindowTitle(picker.Picker()) + "\", not \"" + title +
                    "\"");
    }
    // A long list is filled a slice at a time after the title counts it.
    if (!WaitUntil([&] { return Utf8ComboItems(picker.Windows().faceCombo) == faces; })) {
        return Fail("the emoticon list is not the starter list's");
    }
    const int exitCode = CloseAndWait(picker);
    if (exitCode != 0) {
        return Fail("closed, the picker exited with " + std::to_string(exitCode));
    }
    std::string saved;
    if (!WrittenSince(list, aged) || !ReadFileBytes(list, saved) || ListLines(saved) != lines) {
        return Fail("the list was not saved back as it was read");
    }
    if (GetPrivateProfileIntA("Option", "Width", -1, (folder + "\\" + SettingsFile).c_str()) <= 0) {
        return Fail("the window's place was not saved");
    }
    std::printf("release zip: %s showed %zu emoticons, exited with 0 and saved them\n",
                folder.c_str(), faces.size());
    return 0;
}
