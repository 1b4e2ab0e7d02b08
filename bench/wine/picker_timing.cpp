// Timing of the real vemplor.exe as a user meets it: start-up to a visible, filled window, the
// cost of one keystroke in the filter box and of one choice reaching the clipboard, over
// generated lists of Shift-JIS emoticons; and the picker's handles and memory over many choices.
// Every measured result is checked against what the driver expects from its own copy of the
// list, so a fast answer that is wrong counts as a failure, not as a win.
//
// Usage: picker_timing [--detail] [--largest N] [path\to\vemplor.exe]
// --detail lists every keystroke of the typing sequence and every place chosen from; --largest
// leaves out the lists longer than N entries.
// Exit code: 0 all goals met, 1 a wrong result or a picker that did not run, 2 a goal missed.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "picker_probe.h"

namespace {

const DWORD StartTimeoutMs = 60000;
const DWORD ExitTimeoutMs = 30000;
const int StartUpRuns = 9;
// Lists longer than this are started fewer times and only their start-up, their fill and
// their memory are measured: typing and choosing have no goal there.
const std::size_t LongestTypedList = 100000;
const int LongListStartUpRuns = 3;
const DWORD FillTimeoutMs = 120000;
const int KeystrokeRounds = 5;
const int SampledItems = 16;
const DWORD ClipboardTimeoutMs = 2000;
const int ChoiceRounds = 21;

// Handles and memory are watched over this many choices on the list of ResourceListSize
// entries, sampled every ResourceSampleEvery choices; of each block of that many, the last
// FilteredPerBlock are made under FilteredChoiceText.
const std::size_t ResourceListSize = 1000;
const int ResourceChoices = 10000;
const int ResourceSampleEvery = 1000;
const int FilteredPerBlock = 200;

// How far the last sample may exceed the first and still count as flat. The byte tolerance is
// under 32 bytes a choice, less than the smallest heap block a choice could leak.
const long HandleTolerance = 8;
const long GuiObjectTolerance = 8;
const SIZE_T PrivateBytesTolerance = 256 * 1024;

// A filter most generated faces contain: the filtered choice then searches and reorders lists
// nearly as long as the whole one.
const char* const FilteredChoiceText = "(";

// Lists are measured at these sizes; 0 is the empty list that start-up is compared with.
const std::size_t ListSizes[] = {0, 1000, 10000, 100000, 1000000};

struct FaceEntries {
    std::vector<std::string> faces;
    std::vector<std::string> tags;
};

struct PickerProcess {
    PROCESS_INFORMATION process = {};
    HWND window = nullptr;
    HWND faceCombo = nullptr;
    HWND filterCombo = nullptr;
    HWND filterEdit = nullptr;
};

// The picker's resources at one moment; a count the system does not give stays -1.
struct ResourceSample {
    int choices = 0;
    long gdiObjects = -1;
    long userObjects = -1;
    long handles = -1;
    long long privateBytes = -1;
    bool handlesFromSystemTable = false;
    bool privateFromPagefileUsage = false;
};

// What one size's runs gave: times in milliseconds and whether every result was right.
struct SizeReport {
    std::size_t entries = 0;
    std::vector<double> startUpMs;
    std::vector<double> startUpFilledMs;
    // The longest a message waited for the picker while it filled its list, per start-up run.
    std::vector<double> startUpFillWaitMs;
    std::vector<double> fillWaitMs;
    std::vector<long long> filledPrivateBytes;
    long long privateBeforeAbandon = -1;
    long long privateAfterAbandon = -1;
    std::vector<double> keystrokeMs;
    std::vector<double> choiceMs;
    std::vector<double> choicePositionMedianMs;
    double ignoredChoiceMs = 0.0;
    std::vector<ResourceSample> resources;
    bool correct = true;
};

ResourceSample SampleResources(const PROCESS_INFORMATION& process, int choices);

// A measurement made on a running picker. entries is the driver's account of the picker's list
// in its current order: a case that reorders the list keeps it up to date for the next.
typedef void (*RunningCase)(const PickerProcess& picker, FaceEntries& entries, bool detail,
                            SizeReport& report);

double NowMs()
{
    LARGE_INTEGER counter;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

double Max(const std::vector<double>& values)
{
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

// Shift-JIS bytes as UTF-8 for the report, which goes to a UTF-8 terminal.
std::string Printable(const std::string& sjis)
{
    int wideLength = MultiByteToWideChar(932, 0, sjis.data(), static_cast<int>(sjis.size()),
                                         nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(932, 0, sjis.data(), static_cast<int>(sjis.size()), &wide[0],
                        wideLength);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), wideLength, nullptr, 0, nullptr,
                                    nullptr);
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), wideLength, &utf8[0], bytes, nullptr,
                        nullptr);
    return utf8;
}

// A small fixed-seed generator: every run measures the same lists.
unsigned NextRandom(unsigned& state)
{
    state = state * 1103515245u + 12345u;
    return (state >> 16) & 0x7FFF;
}

template <std::size_t N>
const char* Pick(const char* const (&parts)[N], unsigned& state)
{
    return parts[NextRandom(state) % N];
}

// Emoticons built like real ones: arms and brackets around a pair of eyes, cheeks and a mouth,
// now and then a trailing sound or symbol. Most have a tag of one or two words, some none.
FaceEntries GenerateEntries(std::size_t count)
{
    static const char* const openings[] = {"(", "(", "(", "（", "(*", "( ", "(｡", "ヽ(",
                                           "┐(", "⊂(", "(((", "＼(", "ヾ(", "o(", "(ﾉ", "((("};
    static const char* const closings[] = {")", ")", ")", "）", "*)", " )", "｡)", ")ノ",
                                           ")┌", ")⊃", ")))", ")／", ")ゞ", ")o", ")ﾉ", ")ｼ"};
    static const char* const eyePairs[][2] = {
        {"´", "`"}, {"´", "`"}, {"＾", "＾"}, {"^", "^"}, {"・", "・"}, {"ﾟ", "ﾟ"},
        {"°", "°"}, {"≧", "≦"}, {"＞", "＜"}, {"T", "T"}, {"￣", "￣"}, {"●", "●"},
        {"◎", "◎"}, {"＊", "＊"}, {"｀", "´"}, {"ー", "ー"}};
    static const char* const mouths[] = {"ω", "∀", "Д", "▽", "∇", "ε", "_", "ー", "з",
                                         "ロ", "皿", "o", "ρ", "～", "▼", "△", "ヮ", "艸"};
    static const char* const cheeks[] = {"", "", "", "*", "；", "#", "〃", "ﾉ"};
    static const char* const trailers[] = {"", "", "", "", "", "", "♪", "☆", "!!", "ｷﾀｰ",
                                           "ﾜｰｲ", "ｵﾂｶﾚ", "ﾎﾟｶｰﾝ", "…", "ｻｯ", "＝３"};
    static const char* const tagWords[] = {
        "笑顔", "喜び", "しょんぼり", "怒り", "泣き", "驚き", "照れ", "挨拶", "ありがとう",
        "おやすみ", "ごめん", "了解", "びっくり", "困った", "ねこ", "いぬ", "疲れ", "焦り",
        "歌", "星", "smile", "cry", "happy", "angry", "love", "ok", "bye", "hello"};

    unsigned state = 20100427u;
    FaceEntries entries;
    entries.faces.reserve(count);
    entries.tags.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const char* const* eyes = eyePairs[NextRandom(state) % (sizeof eyePairs / sizeof eyePairs[0])];
        const char* cheek = Pick(cheeks, state);
        std::string face = Pick(openings, state);
        face += cheek;
        face += eyes[0];
        face += Pick(mouths, state);
        face += eyes[1];
        face += cheek;
        face += Pick(closings, state);
        face += Pick(trailers, state);
        entries.faces.push_back(face);

        std::string tag;
        unsigned shape = NextRandom(state) % 10;
        if (shape >= 2) {
            tag = Pick(tagWords, state);
        }
        if (shape >= 8) {
            tag += " ";
            tag += Pick(tagWords, state);
        }
        entries.tags.push_back(tag);
    }
    return entries;
}

// The list file as the program reads it: "tag<TAB>face" lines, the face alone when untagged.
std::string FormatListFile(const FaceEntries& entries)
{
    std::string text;
    for (std::size_t i = 0; i < entries.faces.size(); ++i) {
        if (!entries.tags[i].empty()) {
            text += entries.tags[i];
            text += '\t';
        }
        text += entries.faces[i];
        text += "\r\n";
    }
    return text;
}

// The driver's own account of what FaceCombo must offer for a filter text: entries whose face,
// or else whose tag, contains the text byte for byte, once each, in list order.
std::vector<std::string> ExpectedShownFaces(const FaceEntries& entries, const std::string& filter)
{
    if (filter.empty()) {
        return entries.faces;
    }
    std::vector<std::string> shown;
    for (std::size_t i = 0; i < entries.faces.size(); ++i) {
        if (std::strstr(entries.faces[i].c_str(), filter.c_str()) != nullptr ||
            std::strstr(entries.tags[i].c_str(), filter.c_str()) != nullptr) {
            shown.push_back(entries.faces[i]);
        }
    }
    return shown;
}

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

std::string CreateWorkDir()
{
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    char path[MAX_PATH];
    wsprintfA(path, "%svemplor-bench-%lu", base, GetCurrentProcessId());
    CreateDirectoryA(path, nullptr);
    return path;
}

void RemoveWorkDir(const std::string& dir)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                DeleteFileA((dir + "\\" + found.cFileName).c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(dir.c_str());
}

// Every launch sees the same files: the list, and settings that make closing end the program,
// never send a paste keystroke into whatever window has the foreground, and put a choice on
// the clipboard as it is shown, moved to the top.
bool PrepareWorkDir(const std::string& dir, const std::string& listFile)
{
    return WriteBytes(dir + "\\Vemplor.txt", listFile) &&
           WriteBytes(dir + "\\Vemplor.ini", "[Option]\r\nClose=1\r\nAutoPaste=0\r\n"
                                             "TopMove=1\r\nChar=0\r\nReturn=0\r\n");
}

bool PickerRunning(const PickerProcess& picker)
{
    return picker.process.hProcess != nullptr &&
           WaitForSingleObject(picker.process.hProcess, 0) == WAIT_TIMEOUT;
}

int ComboCount(HWND combo)
{
    return static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
}

// What the user sees must be exactly right: the count, item 0 selected (none when empty), the
// title counter, and a spread of items compared byte for byte.
bool ShowsExactly(const PickerProcess& picker, const std::vector<std::string>& expected,
                  std::size_t total, std::string& problem)
{
    int count = ComboCount(picker.faceCombo);
    if (count != static_cast<int>(expected.size())) {
        problem = "FaceCombo holds " + std::to_string(count) + " items, expected " +
                  std::to_string(expected.size());
        return false;
    }
    int wantedSelection = expected.empty() ? -1 : 0;
    if (ComboSelection(picker.faceCombo) != wantedSelection) {
        problem = "selection is " + std::to_string(ComboSelection(picker.faceCombo)) +
                  ", expected " + std::to_string(wantedSelection);
        return false;
    }
    char title[260];
    wsprintfA(title, "Vemplor 登録数[%d/%d]", count, static_cast<int>(total));
    if (WindowTitle(picker.window) != title) {
        problem = "title is \"" + Printable(WindowTitle(picker.window)) + "\"";
        return false;
    }
    for (int sample = 0; sample < SampledItems && count > 0; ++sample) {
        int index = static_cast<int>(static_cast<long long>(count - 1) * sample / (SampledItems - 1));
        std::string item = ComboItem(picker.faceCombo, index);
        if (item != expected[static_cast<std::size_t>(index)]) {
            problem = "item " + std::to_string(index) + " is \"" + Printable(item) +
                      "\", expected \"" + Printable(expected[static_cast<std::size_t>(index)]) +
                      "\"";
            return false;
        }
    }
    return true;
}

// Waits until FaceCombo holds count items, asking all the while; the longest answer is the
// longest any input waited for the picker meanwhile. False after the timeout.
bool WaitFilled(const PickerProcess& picker, int count, double& longestWaitMs)
{
    longestWaitMs = 0.0;
    DWORD begun = GetTickCount();
    for (;;) {
        double asked = NowMs();
        int held = ComboCount(picker.faceCombo);
        longestWaitMs = std::max(longestWaitMs, NowMs() - asked);
        if (held == count) {
            return true;
        }
        if (GetTickCount() - begun >= FillTimeoutMs || !PickerRunning(picker)) {
            std::printf("  FaceCombo holds %d items, not %d, after %lu ms\n", held, count,
                        FillTimeoutMs);
            return false;
        }
        Sleep(1);
    }
}

// Starts the picker in dir and times it from CreateProcess until its window is visible and
// usable: it answers, shows its first items with item 0 selected and the title counts the
// whole list. Then waits until FaceCombo holds the whole list (filledMs), noting the longest a
// message waited meanwhile.
bool LaunchPicker(const std::string& exePath, const std::string& dir, std::size_t entryCount,
                  PickerProcess& picker, double& startUpMs, double& filledMs,
                  double& fillWaitMs)
{
    picker = PickerProcess();
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exePath + "\"";
    double start = NowMs();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        dir.c_str(), &startup, &picker.process)) {
        std::printf("  cannot start %s (error %lu)\n", exePath.c_str(), GetLastError());
        return false;
    }
    int wantedSelection = entryCount == 0 ? -1 : 0;
    char title[260];
    wsprintfA(title, "Vemplor 登録数[%d/%d]", static_cast<int>(entryCount),
              static_cast<int>(entryCount));
    DWORD begun = GetTickCount();
    while (GetTickCount() - begun < StartTimeoutMs && PickerRunning(picker)) {
        if (picker.window == nullptr) {
            picker.window = FindVisiblePicker(picker.process.dwProcessId);
            if (picker.window != nullptr) {
                PickerWindows windows = FindPickerWindows(picker.window);
                picker.faceCombo = windows.faceCombo;
                picker.filterCombo = windows.filterCombo;
                picker.filterEdit = windows.filterEdit;
            }
        }
        if (picker.faceCombo != nullptr &&
            (ComboCount(picker.faceCombo) > 0) == (entryCount > 0) &&
            ComboSelection(picker.faceCombo) == wantedSelection &&
            WindowTitle(picker.window) == title) {
            startUpMs = NowMs() - start;
            bool filled = WaitFilled(picker, static_cast<int>(entryCount), fillWaitMs);
            filledMs = NowMs() - start;
            return filled && picker.filterEdit != nullptr;
        }
        Sleep(1);
    }
    std::printf("  the picker did not show its list within %lu ms\n", StartTimeoutMs);
    return false;
}

// Closes the window as its close button does and waits for the program to save and end; a
// picker that does not end in time is terminated so that nothing outlives the benchmark.
bool ClosePicker(PickerProcess& picker)
{
    if (picker.process.hProcess == nullptr) {
        return true;
    }
    bool ended = true;
    if (PickerRunning(picker)) {
        if (picker.window != nullptr) {
            PostMessageA(picker.window, WM_CLOSE, 0, 0);
        }
        if (WaitForSingleObject(picker.process.hProcess, ExitTimeoutMs) != WAIT_OBJECT_0) {
            std::printf("  the picker did not end after WM_CLOSE: terminated\n");
            TerminateProcess(picker.process.hProcess, 1);
            WaitForSingleObject(picker.process.hProcess, 5000);
            ended = false;
        }
    }
    CloseHandle(picker.process.hThread);
    CloseHandle(picker.process.hProcess);
    picker = PickerProcess();
    return ended;
}

// Whether setting the edit field's text already makes the program refilter (the edit control
// reports the change to the combo box, which tells the picker). If it does, sending the
// notification again would measure two refreshes per keystroke. The probe matches no generated
// entry, so a refilter shows as an emptied list.
bool EditReportsTextChange(const PickerProcess& picker, const FaceEntries& entries)
{
    const std::string probe = "no such face";
    SendMessageA(picker.filterEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(probe.c_str()));
    bool reported = ComboCount(picker.faceCombo) ==
                    static_cast<int>(ExpectedShownFaces(entries, probe).size());
    SendMessageA(picker.filterEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    if (!reported) {
        SendMessageA(picker.window, WM_COMMAND, MAKEWPARAM(0, CBN_EDITCHANGE),
                     reinterpret_cast<LPARAM>(picker.filterCombo));
    }
    double waitMs = 0.0;
    WaitFilled(picker, static_cast<int>(entries.faces.size()), waitMs);
    return reported;
}

// What a message to the picker costs with no work behind it: the floor under every keystroke,
// which sends two.
double RoundTripMs(const PickerProcess& picker)
{
    std::vector<double> times;
    for (int i = 0; i < 100; ++i) {
        double start = NowMs();
        ComboCount(picker.faceCombo);
        times.push_back(NowMs() - start);
    }
    return Median(times);
}

// One keystroke: the filter box gets its new text and the picker refilters. SendMessage
// returns once the program has handled it; the keystroke's cost runs until the picker answers
// the next message, as the user's next key would be answered.
double TypeFilter(const PickerProcess& picker, const std::string& text, bool editReports)
{
    double start = NowMs();
    SendMessageA(picker.filterEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (!editReports) {
        SendMessageA(picker.window, WM_COMMAND, MAKEWPARAM(0, CBN_EDITCHANGE),
                     reinterpret_cast<LPARAM>(picker.filterCombo));
    }
    ComboCount(picker.faceCombo);
    return NowMs() - start;
}

std::size_t CharLength(const std::string& sjis, std::size_t at)
{
    unsigned char lead = static_cast<unsigned char>(sjis[at]);
    bool doubleByte = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
    return doubleByte && at + 1 < sjis.size() ? 2 : 1;
}

// The filter texts one round of typing passes through: each word typed a character at a time,
// then erased a character at a time back to the empty filter, which shows the whole list.
std::vector<std::string> TypingSequence()
{
    // Many matches narrowing to few; a tag word with few matches; a word that matches nothing.
    static const char* const words[] = {"(´∀`", "ねこ", "xyz"};
    std::vector<std::string> sequence;
    for (const char* word : words) {
        std::string text = word;
        std::vector<std::size_t> ends;
        for (std::size_t at = 0; at < text.size(); at += CharLength(text, at)) {
            ends.push_back(at + CharLength(text, at));
        }
        for (std::size_t end : ends) {
            sequence.push_back(text.substr(0, end));
        }
        for (std::size_t k = ends.size() - 1; k-- > 0;) {
            sequence.push_back(text.substr(0, ends[k]));
        }
        sequence.push_back(std::string());
    }
    return sequence;
}

void MeasureKeystrokes(const PickerProcess& picker, FaceEntries& entries, bool detail,
                       SizeReport& report)
{
    if (entries.faces.size() > LongestTypedList) {
        return;
    }
    const std::vector<std::string> sequence = TypingSequence();
    bool editReports = EditReportsTextChange(picker, entries);
    if (detail) {
        std::printf("  keystroke = %s\n", editReports
                                              ? "WM_SETTEXT to the filter edit (it notifies)"
                                              : "WM_SETTEXT and WM_COMMAND CBN_EDITCHANGE");
        std::printf("  one message round trip to the picker: %.3f ms (median)\n",
                    RoundTripMs(picker));
    }
    std::vector<std::vector<double>> times(sequence.size());
    std::vector<std::vector<std::string>> expected;
    for (const std::string& filter : sequence) {
        expected.push_back(ExpectedShownFaces(entries, filter));
    }
    for (int round = 0; round < KeystrokeRounds; ++round) {
        for (std::size_t k = 0; k < sequence.size(); ++k) {
            times[k].push_back(TypeFilter(picker, sequence[k], editReports));
            std::string problem;
            double waitMs = 0.0;
            bool filled = WaitFilled(picker, static_cast<int>(expected[k].size()), waitMs);
            report.fillWaitMs.push_back(waitMs);
            if (!filled || !ShowsExactly(picker, expected[k], entries.faces.size(), problem)) {
                std::printf("  WRONG after filter \"%s\": %s\n", Printable(sequence[k]).c_str(),
                            problem.c_str());
                report.correct = false;
                return;
            }
        }
    }
    // Each keystroke is represented by its median over the rounds, which keeps a stray pause
    // of the machine from passing for the program's cost.
    for (std::size_t k = 0; k < sequence.size(); ++k) {
        report.keystrokeMs.push_back(Median(times[k]));
        if (detail) {
            std::printf("  %-12s %7zu shown  median %8.2f ms  max %8.2f ms\n",
                        ("\"" + Printable(sequence[k]) + "\"").c_str(), expected[k].size(),
                        Median(times[k]), Max(times[k]));
        }
    }
}

// What FaceCombo must show while the driver makes choices: the whole list while the filter text
// is empty, else the filtered rows in the order the choices have given them.
struct ChoiceModel {
    FaceEntries* entries = nullptr;
    std::string filter;
    std::vector<std::string> shownFaces;
};

const std::vector<std::string>& ShownFaces(const ChoiceModel& model)
{
    return model.filter.empty() ? model.entries->faces : model.shownFaces;
}

void MoveToTop(std::vector<std::string>& texts, std::size_t index)
{
    std::rotate(texts.begin(), texts.begin() + static_cast<std::ptrdiff_t>(index),
                texts.begin() + static_cast<std::ptrdiff_t>(index) + 1);
}

// A choice of shown row index, as the picker makes it: with no filter that entry moves to the
// top with its tag; under a filter the chosen row moves to the top of the shown list, and the
// first equal face of the whole list moves to the top with its own tag.
void ModelChoice(ChoiceModel& model, std::size_t index)
{
    FaceEntries& entries = *model.entries;
    if (model.filter.empty()) {
        MoveToTop(entries.faces, index);
        MoveToTop(entries.tags, index);
        return;
    }
    for (std::size_t i = 0; i < entries.faces.size(); ++i) {
        if (entries.faces[i] == model.shownFaces[index]) {
            MoveToTop(entries.faces, i);
            MoveToTop(entries.tags, i);
            break;
        }
    }
    MoveToTop(model.shownFaces, index);
}

// Sets the filter text as typing does and checks that the picker shows what the model expects.
bool ApplyFilter(const PickerProcess& picker, ChoiceModel& model, const std::string& text,
                 bool editReports, std::string& problem)
{
    TypeFilter(picker, text, editReports);
    model.filter = text;
    model.shownFaces.clear();
    if (!text.empty()) {
        model.shownFaces = ExpectedShownFaces(*model.entries, text);
    }
    double waitMs = 0.0;
    if (!WaitFilled(picker, static_cast<int>(ShownFaces(model).size()), waitMs)) {
        problem = "after filter \"" + Printable(text) + "\": the list was not filled";
        return false;
    }
    if (!ShowsExactly(picker, ShownFaces(model), model.entries->faces.size(), problem)) {
        problem = "after filter \"" + Printable(text) + "\": " + problem;
        return false;
    }
    return true;
}

// The CF_TEXT bytes on the clipboard, up to their terminating zero. Another process may hold
// the clipboard open for a moment, so opening is retried for a while.
bool ReadClipboardText(std::string& text)
{
    text.clear();
    DWORD begun = GetTickCount();
    while (!OpenClipboard(nullptr)) {
        if (GetTickCount() - begun >= ClipboardTimeoutMs) {
            return false;
        }
        Sleep(1);
    }
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* bytes = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (bytes != nullptr) {
        text.assign(bytes, std::find(bytes, bytes + GlobalSize(data), '\0'));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return bytes != nullptr;
}

// One choice as the keyboard makes it: FaceCombo's list opens with the item highlighted, then
// Enter confirms it. Only the confirmation is timed; it returns once the list has closed and
// the picker has moved the entry and filled the clipboard.
bool Choose(const PickerProcess& picker, int index, double& elapsedMs)
{
    if (!OpenListAt(picker.faceCombo, index)) {
        return false;
    }
    double start = NowMs();
    ConfirmOpenList(picker.faceCombo);
    elapsedMs = NowMs() - start;
    return true;
}

// After a choice the clipboard has been written anew with exactly the chosen text, and FaceCombo
// keeps its count and shows the chosen text as item 0, selected. A thorough check also compares
// a spread of items, and the old place of the chosen one and its neighbour, with the model.
bool CheckChoice(const PickerProcess& picker, const ChoiceModel& model, const std::string& chosen,
                 int index, DWORD sequenceBefore, bool thorough, std::string& problem)
{
    if (GetClipboardSequenceNumber() == sequenceBefore) {
        problem = "the clipboard was not written";
        return false;
    }
    std::string clipboard;
    if (!ReadClipboardText(clipboard)) {
        problem = "no text on the clipboard";
        return false;
    }
    if (clipboard != chosen) {
        problem = "the clipboard holds \"" + Printable(clipboard) + "\", expected \"" +
                  Printable(chosen) + "\"";
        return false;
    }
    const std::vector<std::string>& shown = ShownFaces(model);
    int count = ComboCount(picker.faceCombo);
    if (count != static_cast<int>(shown.size()) || ComboSelection(picker.faceCombo) != 0 ||
        ComboItem(picker.faceCombo, 0) != chosen) {
        problem = "FaceCombo holds " + std::to_string(count) + " items with " +
                  std::to_string(ComboSelection(picker.faceCombo)) + " selected and item 0 \"" +
                  Printable(ComboItem(picker.faceCombo, 0)) + "\"";
        return false;
    }
    if (!thorough) {
        return true;
    }
    if (!ShowsExactly(picker, shown, model.entries->faces.size(), problem)) {
        return false;
    }
    for (int place = index; place <= index + 1 && place < count; ++place) {
        std::string item = ComboItem(picker.faceCombo, place);
        if (item != shown[static_cast<std::size_t>(place)]) {
            problem = "item " + std::to_string(place) + " is \"" + Printable(item) +
                      "\", expected \"" + Printable(shown[static_cast<std::size_t>(place)]) + "\"";
            return false;
        }
    }
    return true;
}

bool ChooseAndCheck(const PickerProcess& picker, ChoiceModel& model, int index, bool thorough,
                    double& elapsedMs, std::string& problem)
{
    const std::string chosen = ShownFaces(model)[static_cast<std::size_t>(index)];
    DWORD sequence = GetClipboardSequenceNumber();
    if (!Choose(picker, index, elapsedMs)) {
        problem = "FaceCombo refused to select item " + std::to_string(index);
        return false;
    }
    ModelChoice(model, static_cast<std::size_t>(index));
    if (!CheckChoice(picker, model, chosen, index, sequence, thorough, problem)) {
        problem = "choosing item " + std::to_string(index) + " \"" + Printable(chosen) +
                  "\": " + problem;
        return false;
    }
    return true;
}

// A selection change from a window that is none of the picker's lists, which it ignores: the
// cost of a message to the picker, the floor under every measured choice.
double IgnoredChoiceMs(const PickerProcess& picker)
{
    std::vector<double> times;
    for (int i = 0; i < 100; ++i) {
        double start = NowMs();
        SendMessageA(picker.window, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(picker.window));
        times.push_back(NowMs() - start);
    }
    return Median(times);
}

enum ListPlace { NearTop, Middle, NearEnd };

const ListPlace ChoicePlaces[] = {NearTop, Middle, NearEnd};
const char* const ChoicePlaceNames[] = {"top", "middle", "end"};

int IndexAt(ListPlace place, int count)
{
    switch (place) {
    case NearTop: return std::min(3, count - 1);
    case Middle: return count / 2;
    case NearEnd: return count - 1;
    }
    return 0;
}

// Choices near the top, in the middle and at the end of the list, with the filter text empty
// and then under a filter; the places take turns so that a busy spell of the machine weighs on
// all alike. Afterwards the whole list is compared with the model, which checks the moves the
// filtered choices made in it.
void MeasureChoices(const PickerProcess& picker, FaceEntries& entries, bool detail,
                    SizeReport& report)
{
    if (entries.faces.size() > LongestTypedList) {
        return;
    }
    const std::string filters[] = {std::string(), FilteredChoiceText};
    const std::size_t placeCount = sizeof ChoicePlaces / sizeof ChoicePlaces[0];
    bool editReports = EditReportsTextChange(picker, entries);
    ChoiceModel model;
    model.entries = &entries;
    report.ignoredChoiceMs = IgnoredChoiceMs(picker);
    std::string problem;
    for (const std::string& filter : filters) {
        if (!ApplyFilter(picker, model, filter, editReports, problem)) {
            std::printf("  WRONG %s\n", problem.c_str());
            report.correct = false;
            return;
        }
        std::vector<std::vector<double>> times(placeCount);
        for (int round = 0; round < ChoiceRounds; ++round) {
            for (std::size_t p = 0; p < placeCount; ++p) {
                int index = IndexAt(ChoicePlaces[p], static_cast<int>(ShownFaces(model).size()));
                double elapsedMs = 0.0;
                if (!ChooseAndCheck(picker, model, index, true, elapsedMs, problem)) {
                    std::printf("  WRONG %s\n", problem.c_str());
                    report.correct = false;
                    return;
                }
                times[p].push_back(elapsedMs);
                report.choiceMs.push_back(elapsedMs);
            }
        }
        for (std::size_t p = 0; p < placeCount; ++p) {
            report.choicePositionMedianMs.push_back(Median(times[p]));
            if (detail) {
                std::string name = std::string(filter.empty() ? "" : "filtered ") +
                                   ChoicePlaceNames[p];
                std::printf("  choice %-16s %7zu shown  median %8.2f ms  max %8.2f ms\n",
                            name.c_str(), ShownFaces(model).size(), Median(times[p]),
                            Max(times[p]));
            }
        }
    }
    if (!ApplyFilter(picker, model, std::string(), editReports, problem)) {
        std::printf("  WRONG after the filtered choices, %s\n", problem.c_str());
        report.correct = false;
    }
}

// One row of the system's handle table (SystemExtendedHandleInformation).
struct SystemHandleEntry {
    void* object;
    ULONG_PTR processId;
    ULONG_PTR handle;
    ULONG grantedAccess;
    USHORT creatorBackTraceIndex;
    USHORT objectTypeIndex;
    ULONG handleAttributes;
    ULONG reserved;
};

const ULONG SystemExtendedHandleInformation = 64;
const LONG StatusInfoLengthMismatch = static_cast<LONG>(0xC0000004);
const std::size_t HandleTableLimit = 256u << 20;

typedef LONG(WINAPI* QuerySystemInformation)(ULONG, void*, ULONG, ULONG*);

// The handles of a process as the system's handle table lists them, or -1. Wine answers
// GetProcessHandleCount with 0 for every process but keeps this table.
long CountHandlesInSystemTable(DWORD processId)
{
    auto query = reinterpret_cast<QuerySystemInformation>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (query == nullptr) {
        return -1;
    }
    std::vector<char> table(1u << 20);
    for (;;) {
        ULONG needed = 0;
        LONG status = query(SystemExtendedHandleInformation, table.data(),
                            static_cast<ULONG>(table.size()), &needed);
        if (status == 0) {
            break;
        }
        if (status != StatusInfoLengthMismatch || table.size() >= HandleTableLimit) {
            return -1;
        }
        table.resize(std::max<std::size_t>(table.size() * 2, needed));
    }
    // The table is a count and a reserved word, then the rows; rows past the buffer are not read.
    const std::size_t header = 2 * sizeof(ULONG_PTR);
    ULONG_PTR rows = 0;
    std::memcpy(&rows, table.data(), sizeof rows);
    rows = std::min<ULONG_PTR>(rows, (table.size() - header) / sizeof(SystemHandleEntry));
    long count = 0;
    for (ULONG_PTR row = 0; row < rows; ++row) {
        SystemHandleEntry entry;
        std::memcpy(&entry, table.data() + header + row * sizeof entry, sizeof entry);
        if (entry.processId == processId) {
            ++count;
        }
    }
    return count;
}

// The picker's GDI and USER objects, kernel handles and private bytes now. A running process
// always holds handles and private memory, so an answer of 0 means the system does not tell:
// the handles are then counted in the system's table, and the private bytes taken from
// PagefileUsage, which is the same commit charge (Wine leaves PrivateUsage 0).
ResourceSample SampleResources(const PROCESS_INFORMATION& process, int choices)
{
    ResourceSample sample;
    sample.choices = choices;
    sample.gdiObjects = static_cast<long>(GetGuiResources(process.hProcess, GR_GDIOBJECTS));
    sample.userObjects = static_cast<long>(GetGuiResources(process.hProcess, GR_USEROBJECTS));
    DWORD handles = 0;
    if (GetProcessHandleCount(process.hProcess, &handles) && handles > 0) {
        sample.handles = static_cast<long>(handles);
    } else {
        sample.handles = CountHandlesInSystemTable(process.dwProcessId);
        sample.handlesFromSystemTable = true;
    }
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory)) {
        sample.privateFromPagefileUsage = memory.PrivateUsage == 0;
        SIZE_T privateBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
        if (privateBytes > 0) {
            sample.privateBytes = static_cast<long long>(privateBytes);
        }
    }
    return sample;
}

// Many choices at random places, most with the filter text empty and some under a filter,
// each checked; at every sample the filter is cleared and the whole list compared with the
// model, so that a picker that stopped doing its work cannot pass for one that stays flat.
void MeasureResources(const PickerProcess& picker, FaceEntries& entries, bool detail,
                      SizeReport& report)
{
    if (entries.faces.size() != ResourceListSize) {
        return;
    }
    bool editReports = EditReportsTextChange(picker, entries);
    ChoiceModel model;
    model.entries = &entries;
    unsigned state = 19990301u;
    std::string problem;
    report.resources.push_back(SampleResources(picker.process, 0));
    for (int made = 0; made < ResourceChoices; ++made) {
        bool filtered = made % ResourceSampleEvery >= ResourceSampleEvery - FilteredPerBlock;
        if (filtered == model.filter.empty() &&
            !ApplyFilter(picker, model, filtered ? FilteredChoiceText : "", editReports,
                         problem)) {
            break;
        }
        int index = static_cast<int>(NextRandom(state) % ShownFaces(model).size());
        double elapsedMs = 0.0;
        if (!ChooseAndCheck(picker, model, index, false, elapsedMs, problem)) {
            break;
        }
        if ((made + 1) % ResourceSampleEvery == 0) {
            if (!ApplyFilter(picker, model, std::string(), editReports, problem)) {
                break;
            }
            report.resources.push_back(SampleResources(picker.process, made + 1));
            if (detail) {
                std::printf("  resources after %d choices sampled\n", made + 1);
            }
        }
    }
    if (!problem.empty()) {
        std::printf("  WRONG during the handle count run, %s\n", problem.c_str());
        report.correct = false;
    }
}

// A fill given up half way must give back what it took: the picker's private bytes with no
// entry shown, before and after a keystroke that shows the whole list and one that empties it
// again while the long list is still on its way into FaceCombo.
void MeasureAbandonedFill(const PickerProcess& picker, FaceEntries& entries, bool detail,
                          SizeReport& report)
{
    if (entries.faces.size() < LongestTypedList) {
        return;
    }
    bool editReports = EditReportsTextChange(picker, entries);
    const std::string nothing = "xyz";
    double waitMs = 0.0;
    TypeFilter(picker, nothing, editReports);
    bool emptied = WaitFilled(picker, 0, waitMs);
    report.privateBeforeAbandon = SampleResources(picker.process, 0).privateBytes;
    TypeFilter(picker, std::string(), editReports);
    int filling = ComboCount(picker.faceCombo);
    TypeFilter(picker, nothing, editReports);
    emptied = emptied && WaitFilled(picker, 0, waitMs);
    report.privateAfterAbandon = SampleResources(picker.process, 0).privateBytes;
    if (detail) {
        std::printf("  fill abandoned at %d of %zu items\n", filling, entries.faces.size());
    }
    TypeFilter(picker, std::string(), editReports);
    std::string problem;
    if (!emptied || !WaitFilled(picker, static_cast<int>(entries.faces.size()), waitMs) ||
        !ShowsExactly(picker, entries.faces, entries.faces.size(), problem)) {
        std::printf("  WRONG after an abandoned fill: %s\n", problem.c_str());
        report.correct = false;
    }
}

const RunningCase RunningCases[] = {MeasureKeystrokes, MeasureChoices, MeasureResources,
                                    MeasureAbandonedFill};

const char* Verdict(bool met)
{
    return met ? "met" : "MISSED";
}

struct Options {
    std::string exePath = VEMPLOR_EXE_PATH;
    bool detail = false;
    std::size_t largest = static_cast<std::size_t>(-1);
};

Options ReadOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--detail") == 0) {
            options.detail = true;
        } else if (std::strcmp(argv[i], "--largest") == 0 && i + 1 < argc) {
            options.largest = std::strtoul(argv[++i], nullptr, 10);
        } else {
            options.exePath = argv[i];
        }
    }
    return options;
}

// Start-up runs are interleaved over the sizes so that a busy spell of the machine weighs on
// every size alike; the first launch only warms the system's caches and is not counted.
bool MeasureStartUps(const Options& options, const std::string& dir,
                     const std::vector<FaceEntries>& lists, std::vector<SizeReport>& reports)
{
    for (int run = -1; run < StartUpRuns; ++run) {
        for (std::size_t s = 0; s < lists.size(); ++s) {
            bool longList = lists[s].faces.size() > LongestTypedList;
            if (longList && (run < 0 || run >= LongListStartUpRuns)) {
                continue;
            }
            if (!PrepareWorkDir(dir, FormatListFile(lists[s]))) {
                std::printf("cannot write the list files in %s\n", dir.c_str());
                return false;
            }
            PickerProcess picker;
            double startUpMs = 0.0;
            double filledMs = 0.0;
            double fillWaitMs = 0.0;
            bool started = LaunchPicker(options.exePath, dir, lists[s].faces.size(), picker,
                                        startUpMs, filledMs, fillWaitMs);
            std::string problem;
            bool right = started && ShowsExactly(picker, lists[s].faces, lists[s].faces.size(),
                                                 problem);
            long long privateBytes = SampleResources(picker.process, 0).privateBytes;
            bool closed = ClosePicker(picker);
            if (!right) {
                std::printf("start-up with %zu entries: %s\n", lists[s].faces.size(),
                            started ? problem.c_str() : "failed");
                return false;
            }
            if (!closed) {
                reports[s].correct = false;
            }
            if (options.detail) {
                std::printf("start-up %d with %zu entries: usable %.1f ms, filled %.1f ms\n",
                            run, lists[s].faces.size(), startUpMs, filledMs);
            }
            if (run >= 0) {
                reports[s].startUpMs.push_back(startUpMs);
                reports[s].startUpFilledMs.push_back(filledMs);
                reports[s].startUpFillWaitMs.push_back(fillWaitMs);
                reports[s].filledPrivateBytes.push_back(privateBytes);
            }
        }
    }
    return true;
}

bool MeasureRunningCases(const Options& options, const std::string& dir,
                         const std::vector<FaceEntries>& lists, std::vector<SizeReport>& reports)
{
    for (std::size_t s = 0; s < lists.size(); ++s) {
        if (lists[s].faces.empty()) {
            continue;
        }
        if (options.detail) {
            std::printf("%zu entries:\n", lists[s].faces.size());
        }
        if (!PrepareWorkDir(dir, FormatListFile(lists[s]))) {
            std::printf("cannot write the list files in %s\n", dir.c_str());
            return false;
        }
        PickerProcess picker;
        double startUpMs = 0.0;
        double filledMs = 0.0;
        double fillWaitMs = 0.0;
        if (!LaunchPicker(options.exePath, dir, lists[s].faces.size(), picker, startUpMs,
                          filledMs, fillWaitMs)) {
            ClosePicker(picker);
            return false;
        }
        FaceEntries shownOrder = lists[s];
        for (RunningCase measure : RunningCases) {
            if (reports[s].correct) {
                measure(picker, shownOrder, options.detail, reports[s]);
            }
        }
        if (!ClosePicker(picker)) {
            reports[s].correct = false;
        }
    }
    return true;
}

// The goals: a keystroke within one frame (16 ms) up to 10,000 entries and within 100 ms at
// 100,000 (StartUpGoalRatio below has the start-up goals).
double KeystrokeGoalMs(std::size_t entries)
{
    return entries <= 10000 ? 16.0 : 100.0;
}

// A choice reaches the clipboard within 5 ms with 10,000 entries and within 50 ms with 100,000,
// not counting the paste delay, which these runs switch off. Other sizes have no goal (0) and
// are shown for comparison.
double ChoiceGoalMs(std::size_t entries)
{
    return entries == 10000 ? 5.0 : entries == 100000 ? 50.0 : 0.0;
}

// Start-up against the empty list, run by run: the two launches of a run are made moments
// apart, so a slow spell of the machine cancels out of their ratio.
double StartUpRatio(const SizeReport& report, const SizeReport& empty)
{
    std::vector<double> ratios;
    for (std::size_t run = 0; run < report.startUpMs.size() && run < empty.startUpMs.size();
         ++run) {
        ratios.push_back(report.startUpMs[run] / empty.startUpMs[run]);
    }
    return Median(ratios);
}

// Choices against their goal; the verdict goes by the slowest place's median, which a stray
// pause of the machine cannot make, while the slowest single choice is shown beside it.
bool PrintChoiceTable(const std::vector<SizeReport>& reports)
{
    bool allMet = true;
    std::printf("\n| entries | choice median ms | choice max ms | slowest place median ms | "
                "floor ms | choice goal |\n");
    std::printf("|--------:|-----------------:|--------------:|------------------------:|"
                "---------:|:------------|\n");
    for (const SizeReport& report : reports) {
        if (report.choiceMs.empty()) {
            continue;
        }
        double slowestPlace = Max(report.choicePositionMedianMs);
        char goal[64] = "-";
        if (ChoiceGoalMs(report.entries) > 0.0) {
            bool met = slowestPlace <= ChoiceGoalMs(report.entries);
            allMet = allMet && met;
            wsprintfA(goal, "<= %d ms: %s", static_cast<int>(ChoiceGoalMs(report.entries)),
                      Verdict(met));
        }
        std::printf("| %7zu | %16.2f | %13.2f | %23.2f | %8.2f | %-11s |\n", report.entries,
                    Median(report.choiceMs), Max(report.choiceMs), slowestPlace,
                    report.ignoredChoiceMs, goal);
    }
    std::printf("\nchoice: Enter in FaceCombo's open list until the list has closed and the "
                "picker has moved the entry to the top and put it on the clipboard, AutoPaste=0 "
                "(%d choices at each of the top, middle and end, with no filter and under the "
                "filter \"%s\"; each checked); floor: a WM_COMMAND the picker ignores "
                "(median)\n",
                ChoiceRounds, FilteredChoiceText);
    return allMet;
}

// Whether a count stayed flat over the run: the last sample at most tolerance above the first.
bool Flat(long long first, long long last, long long tolerance)
{
    return last <= first + tolerance;
}

void PrintTrend(const char* name, long long first, long long last, long long tolerance,
                const char* unit, bool met)
{
    std::printf("%s: %s (first %lld%s, last %lld%s, tolerance +%lld%s)\n", name,
                met ? "flat" : "GROWING", first, unit, last, unit, tolerance, unit);
}

std::string CountText(long long count)
{
    return count < 0 ? std::string("n/a") : std::to_string(count);
}

// The picker's resources over the run of choices. A picker that has windows owns USER objects,
// so a GetGuiResources answer of 0 means the system does not count them (Wine), which proves
// nothing either way and is reported as such rather than as flat.
bool PrintResourceTable(const SizeReport& report)
{
    const ResourceSample& first = report.resources.front();
    const ResourceSample& last = report.resources.back();
    bool guiCounted = first.userObjects > 0 && first.gdiObjects > 0;
    std::printf("\nresources of the picker over %d choices with %zu entries:\n\n",
                last.choices, report.entries);
    std::printf("| choices | GDI objects | USER objects | handles | private KB |\n");
    std::printf("|--------:|------------:|-------------:|--------:|-----------:|\n");
    for (const ResourceSample& sample : report.resources) {
        std::printf("| %7d | %11s | %12s | %7s | %10s |\n", sample.choices,
                    guiCounted ? CountText(sample.gdiObjects).c_str() : "n/a",
                    guiCounted ? CountText(sample.userObjects).c_str() : "n/a",
                    CountText(sample.handles).c_str(),
                    CountText(sample.privateBytes < 0 ? -1 : sample.privateBytes / 1024).c_str());
    }
    std::printf("\n");
    bool allMet = true;
    if (guiCounted) {
        bool gdiFlat = Flat(first.gdiObjects, last.gdiObjects, GuiObjectTolerance);
        bool userFlat = Flat(first.userObjects, last.userObjects, GuiObjectTolerance);
        PrintTrend("GDI objects", first.gdiObjects, last.gdiObjects, GuiObjectTolerance, "",
                   gdiFlat);
        PrintTrend("USER objects", first.userObjects, last.userObjects, GuiObjectTolerance, "",
                   userFlat);
        allMet = gdiFlat && userFlat;
    } else {
        std::printf("GDI and USER objects: not available under Wine (GetGuiResources answers %ld "
                    "and %ld for a process with windows); not judged\n",
                    first.gdiObjects, first.userObjects);
    }
    if (first.handles > 0 && last.handles > 0) {
        bool met = Flat(first.handles, last.handles, HandleTolerance);
        PrintTrend(first.handlesFromSystemTable
                       ? "handles (system handle table; GetProcessHandleCount answers 0)"
                       : "handles",
                   first.handles, last.handles, HandleTolerance, "", met);
        allMet = allMet && met;
    } else {
        std::printf("handles: not available; not judged\n");
    }
    if (first.privateBytes > 0 && last.privateBytes > 0) {
        bool met = Flat(first.privateBytes, last.privateBytes,
                        static_cast<long long>(PrivateBytesTolerance));
        PrintTrend(first.privateFromPagefileUsage
                       ? "private bytes (PagefileUsage; PrivateUsage answers 0)"
                       : "private bytes",
                   first.privateBytes / 1024, last.privateBytes / 1024,
                   static_cast<long long>(PrivateBytesTolerance / 1024), " KB", met);
        allMet = allMet && met;
    } else {
        std::printf("private bytes: not available; not judged\n");
    }
    return allMet;
}

// The start-up goal of a size as a ratio to the empty list's start-up; 0 when it has none.
double StartUpGoalRatio(std::size_t entries)
{
    return entries == 10000 ? 1.2 : entries == 100000 ? 1.5 : 0.0;
}

// With a million entries the window is usable within 3 s, and no input waits longer than
// 100 ms for the picker while the rest of the list goes in.
const std::size_t MillionEntries = 1000000;
const double MillionUsableGoalMs = 3000.0;
const double FillWaitGoalMs = 100.0;

std::string Milliseconds(const std::vector<double>& values, double (*pick)(std::vector<double>))
{
    char text[32] = "-";
    if (!values.empty()) {
        std::snprintf(text, sizeof text, "%.1f", pick(values));
    }
    return text;
}

double MaxOf(std::vector<double> values)
{
    return Max(values);
}

bool PrintStartUpAndKeystrokeTable(const std::vector<SizeReport>& reports)
{
    bool allMet = true;
    std::printf("\n| entries | usable ms | vs empty | filled ms | longest wait while filling ms "
                "| keystroke median ms | keystroke max ms | keystroke goal | start-up goal |\n");
    std::printf("|--------:|----------:|---------:|----------:|------------------------------:"
                "|--------------------:|-----------------:|:---------------|:--------------|\n");
    for (const SizeReport& report : reports) {
        double ratio = StartUpRatio(report, reports.front());
        std::string keystrokeGoal = "-";
        if (!report.keystrokeMs.empty()) {
            char text[64];
            bool met = Max(report.keystrokeMs) <= KeystrokeGoalMs(report.entries);
            allMet = allMet && met;
            wsprintfA(text, "<= %d ms: %s", static_cast<int>(KeystrokeGoalMs(report.entries)),
                      Verdict(met));
            keystrokeGoal = text;
        }
        std::string startUpGoal = "-";
        if (StartUpGoalRatio(report.entries) > 0.0) {
            bool met = ratio <= StartUpGoalRatio(report.entries);
            allMet = allMet && met;
            char text[64];
            std::snprintf(text, sizeof text, "<= %.2f x empty: %s",
                          StartUpGoalRatio(report.entries), Verdict(met));
            startUpGoal = text;
        } else if (report.entries == MillionEntries) {
            bool met = Median(report.startUpMs) <= MillionUsableGoalMs &&
                       Median(report.startUpFillWaitMs) <= FillWaitGoalMs;
            allMet = allMet && met;
            startUpGoal = std::string("usable <= 3 s, waits <= 100 ms: ") + Verdict(met);
        }
        std::printf("| %7zu | %9s | %7.2fx | %9s | %29s | %19s | %16s | %-14s | %-13s |\n",
                    report.entries, Milliseconds(report.startUpMs, Median).c_str(), ratio,
                    Milliseconds(report.startUpFilledMs, Median).c_str(),
                    Milliseconds(report.startUpFillWaitMs, Median).c_str(),
                    Milliseconds(report.keystrokeMs, Median).c_str(),
                    Milliseconds(report.keystrokeMs, MaxOf).c_str(), keystrokeGoal.c_str(),
                    startUpGoal.c_str());
    }
    std::printf("\nusable: CreateProcess until the window is visible and answers, showing its "
                "first items with item 0 selected and the title counting the whole list; filled: until "
                "FaceCombo holds the whole list; longest wait: the slowest answer to a message "
                "sent every millisecond while the list filled (median of %d runs, %d above "
                "%zu entries; vs empty: median of the runs' ratios)\nkeystroke: filter text set "
                "until the picker answers the next message (each keystroke's median of %d "
                "rounds; median and slowest over the typing sequence)\n",
                StartUpRuns, LongListStartUpRuns, LongestTypedList, KeystrokeRounds);
    return allMet;
}

// Memory per entry: the picker's private bytes with the whole list shown, less those with the
// empty list, per entry. Linear when a long list costs no more per entry than one a tenth as
// long, give or take a quarter. An abandoned fill may keep less than a byte per entry.
bool PrintMemoryTable(const std::vector<SizeReport>& reports)
{
    const SizeReport& empty = reports.front();
    if (empty.filledPrivateBytes.empty() || empty.filledPrivateBytes.front() <= 0) {
        std::printf("\nprivate bytes: not available; not judged\n");
        return true;
    }
    std::vector<double> emptyBytes(empty.filledPrivateBytes.begin(),
                                   empty.filledPrivateBytes.end());
    double base = Median(emptyBytes);
    bool allMet = true;
    double previousPerEntry = 0.0;
    std::printf("\n| entries | private KB, whole list shown | bytes per entry | memory goal |\n");
    std::printf("|--------:|-----------------------------:|----------------:|:------------|\n");
    for (const SizeReport& report : reports) {
        if (report.entries < LongestTypedList || report.filledPrivateBytes.empty()) {
            continue;
        }
        std::vector<double> bytes(report.filledPrivateBytes.begin(),
                                  report.filledPrivateBytes.end());
        double perEntry = (Median(bytes) - base) / static_cast<double>(report.entries);
        std::string goal = "-";
        if (previousPerEntry > 0.0) {
            bool met = perEntry <= previousPerEntry * 1.25;
            allMet = allMet && met;
            goal = std::string("linear: ") + Verdict(met);
        }
        previousPerEntry = perEntry;
        std::printf("| %7zu | %28.0f | %15.1f | %-11s |\n", report.entries, Median(bytes) / 1024,
                    perEntry, goal.c_str());
    }
    for (const SizeReport& report : reports) {
        if (report.privateBeforeAbandon <= 0 || report.privateAfterAbandon <= 0) {
            continue;
        }
        long long kept = report.privateAfterAbandon - report.privateBeforeAbandon;
        bool met = kept <= static_cast<long long>(report.entries);
        allMet = allMet && met;
        std::printf("fill of %zu entries abandoned: private %lld KB before, %lld KB after "
                    "(kept %lld bytes, at most 1 a entry): %s\n",
                    report.entries, report.privateBeforeAbandon / 1024,
                    report.privateAfterAbandon / 1024, kept, Verdict(met));
    }
    return allMet;
}

int PrintReport(const std::vector<SizeReport>& reports)
{
    bool allCorrect = true;
    for (const SizeReport& report : reports) {
        allCorrect = allCorrect && report.correct;
    }
    bool allMet = PrintStartUpAndKeystrokeTable(reports);
    allMet = PrintMemoryTable(reports) && allMet;
    allMet = PrintChoiceTable(reports) && allMet;
    for (const SizeReport& report : reports) {
        if (!report.resources.empty()) {
            allMet = PrintResourceTable(report) && allMet;
        }
    }
    if (!allCorrect) {
        std::printf("RESULT: a result was wrong or the picker misbehaved\n");
        return 1;
    }
    std::printf("RESULT: %s\n", allMet ? "all goals met" : "a goal was missed");
    return allMet ? 0 : 2;
}

} // namespace

int main(int argc, char** argv)
{
    SetConsoleOutputCP(CP_UTF8);
    const Options options = ReadOptions(argc, argv);
    std::vector<FaceEntries> lists;
    std::vector<SizeReport> reports;
    for (std::size_t size : ListSizes) {
        if (size > options.largest) {
            continue;
        }
        lists.push_back(GenerateEntries(size));
        SizeReport report;
        report.entries = size;
        reports.push_back(report);
    }
    std::printf("vemplor.exe: %s\n", options.exePath.c_str());
    std::fflush(stdout);

    const std::string dir = CreateWorkDir();
    bool ran = MeasureStartUps(options, dir, lists, reports) &&
               MeasureRunningCases(options, dir, lists, reports);
    RemoveWorkDir(dir);
    if (!ran) {
        std::printf("RESULT: the benchmark could not run to the end\n");
        return 1;
    }
    return PrintReport(reports);
}
