#include "timing_harness.h"

#include <algorithm>
#include <cstdio>

#include "view/reading_match.h"

namespace {

const DWORD StartTimeoutMs = 60000;
const DWORD ExitTimeoutMs = 30000;
const DWORD FillTimeoutMs = 120000;
// How many items, spread over the list, every check compares byte for byte.
const int SampledItems = 16;

template <std::size_t N>
const char* Pick(const char* const (&parts)[N], unsigned& state)
{
    return parts[NextRandom(state) % N];
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

// Finds the picker's windows once its window is visible; true once it is usable.
bool Usable(PickerProcess& picker, std::size_t entryCount)
{
    if (picker.windows.picker == nullptr) {
        HWND window = FindVisiblePicker(picker.process.dwProcessId);
        if (window != nullptr) {
            picker.windows = FindPickerWindows(window);
        }
    }
    int count = static_cast<int>(entryCount);
    HWND faceCombo = picker.windows.faceCombo;
    return faceCombo != nullptr && (ComboCount(faceCombo) > 0) == (count > 0) &&
           ComboSelection(faceCombo) == (count == 0 ? -1 : 0) &&
           WindowTitle(picker.windows.picker) == PickerTitle(count, count);
}

} // namespace

double NowMs()
{
    LARGE_INTEGER counter;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

bool PollUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD begun = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - begun >= timeoutMs) {
            return false;
        }
        Sleep(1);
    }
    return true;
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

double MedianMessageMs(const std::function<void()>& send)
{
    std::vector<double> times;
    for (int i = 0; i < 100; ++i) {
        double start = NowMs();
        send();
        times.push_back(NowMs() - start);
    }
    return Median(times);
}

const char* Verdict(bool met)
{
    return met ? "met" : "MISSED";
}

namespace {

const UINT ShiftJis = 932;

std::u16string Utf16FromSjis(const std::string& sjis)
{
    std::wstring wide = WideFromBytes(sjis, ShiftJis);
    return std::u16string(wide.begin(), wide.end());
}

} // namespace

std::string Utf8Of(const std::string& sjis)
{
    return BytesFromWide(WideFromBytes(sjis, ShiftJis), CP_UTF8);
}

unsigned NextRandom(unsigned& state)
{
    state = state * 1103515245u + 12345u;
    return (state >> 16) & 0x7FFF;
}

// Arms and brackets around a pair of eyes, cheeks and a mouth, now and then a trailing sound or
// symbol. Most have a tag of one or two words, some none.
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
    return entries.utf8 ? "\xEF\xBB\xBF" + Utf8Of(text) : text;
}

// The picker finds by reading (ReadingSearch's default) through the matcher its unit test checks;
// here the driver checks that the program shows what that matcher finds.
std::vector<std::string> ExpectedShownFaces(const FaceEntries& entries, const std::string& filter)
{
    if (filter.empty()) {
        return entries.faces;
    }
    const ReadingQuery query = PrepareReadingQuery(Utf16FromSjis(filter));
    std::vector<std::string> shown;
    for (std::size_t i = 0; i < entries.faces.size(); ++i) {
        if (MatchesReading(query, FoldForSearch(Utf16FromSjis(entries.faces[i])),
                           FoldForSearch(Utf16FromSjis(entries.tags[i])))) {
            shown.push_back(entries.faces[i]);
        }
    }
    return shown;
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

int ComboCount(HWND combo)
{
    return static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
}

std::string PickerTitle(int shown, int total)
{
    char title[64];
    wsprintfA(title, "Vemplor 登録数[%d/%d]", shown, total);
    return title;
}

bool ShowsItems(const PickerWindows& windows, const std::vector<std::string>& expected,
                std::size_t total, std::string& problem)
{
    int count = ComboCount(windows.faceCombo);
    if (count != static_cast<int>(expected.size())) {
        problem = "FaceCombo holds " + std::to_string(count) + " items, expected " +
                  std::to_string(expected.size());
        return false;
    }
    if (WindowTitle(windows.picker) != PickerTitle(count, static_cast<int>(total))) {
        problem = "title is \"" + Utf8Of(WindowTitle(windows.picker)) + "\"";
        return false;
    }
    for (int sample = 0; sample < SampledItems && count > 0; ++sample) {
        int index = static_cast<int>(static_cast<long long>(count - 1) * sample / (SampledItems - 1));
        std::string item = ComboItem(windows.faceCombo, index);
        if (item != expected[static_cast<std::size_t>(index)]) {
            problem = "item " + std::to_string(index) + " is \"" + Utf8Of(item) +
                      "\", expected \"" + Utf8Of(expected[static_cast<std::size_t>(index)]) +
                      "\"";
            return false;
        }
    }
    return true;
}

bool ShowsExactly(const PickerProcess& picker, const std::vector<std::string>& expected,
                  std::size_t total, std::string& problem)
{
    if (!ShowsItems(picker.windows, expected, total, problem)) {
        return false;
    }
    int wantedSelection = expected.empty() ? -1 : 0;
    if (ComboSelection(picker.windows.faceCombo) != wantedSelection) {
        problem = "selection is " + std::to_string(ComboSelection(picker.windows.faceCombo)) +
                  ", expected " + std::to_string(wantedSelection);
        return false;
    }
    return true;
}

bool WaitFilled(const PickerProcess& picker, int count, double* longestWaitMs)
{
    double longest = 0.0;
    int held = 0;
    PollUntil(
        [&] {
            double asked = NowMs();
            held = ComboCount(picker.windows.faceCombo);
            longest = std::max(longest, NowMs() - asked);
            return held == count || !PickerRunning(picker);
        },
        FillTimeoutMs);
    if (held != count) {
        std::printf("  FaceCombo holds %d items, not %d, after %lu ms\n", held, count,
                    FillTimeoutMs);
    }
    if (longestWaitMs != nullptr) {
        *longestWaitMs = longest;
    }
    return held == count;
}

bool LaunchPicker(const std::string& exePath, const std::string& dir, const FaceEntries& entries,
                  PickerProcess& picker, LaunchTimes& times)
{
    picker = PickerProcess();
    if (!PrepareWorkDir(dir, FormatListFile(entries))) {
        std::printf("cannot write the list files in %s\n", dir.c_str());
        return false;
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exePath + "\"";
    double start = NowMs();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        dir.c_str(), &startup, &picker.process)) {
        std::printf("  cannot start %s (error %lu)\n", exePath.c_str(), GetLastError());
        return false;
    }
    bool usable = false;
    PollUntil(
        [&] {
            bool running = PickerRunning(picker);
            usable = running && Usable(picker, entries.faces.size());
            return usable || !running;
        },
        StartTimeoutMs);
    if (!usable) {
        std::printf("  the picker did not show its list within %lu ms\n", StartTimeoutMs);
        return false;
    }
    times.usableMs = NowMs() - start;
    bool filled = WaitFilled(picker, static_cast<int>(entries.faces.size()), &times.fillWaitMs);
    times.filledMs = NowMs() - start;
    return filled && picker.windows.filterEdit != nullptr;
}

bool ClosePicker(PickerProcess& picker)
{
    if (picker.process.hProcess == nullptr) {
        return true;
    }
    bool ended = true;
    if (PickerRunning(picker)) {
        if (picker.windows.picker != nullptr) {
            PostMessageA(picker.windows.picker, WM_CLOSE, 0, 0);
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

// If the edit field reports the change itself, sending the notification again would measure
// two refreshes per keystroke. The probe matches no generated entry, so a refilter shows as an
// emptied list.
bool EditReportsTextChange(const PickerProcess& picker, const FaceEntries& entries)
{
    const std::string probe = "no such face";
    SendMessageA(picker.windows.filterEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(probe.c_str()));
    bool reported = ComboCount(picker.windows.faceCombo) ==
                    static_cast<int>(ExpectedShownFaces(entries, probe).size());
    SendMessageA(picker.windows.filterEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    if (!reported) {
        SendMessageA(picker.windows.picker, WM_COMMAND, MAKEWPARAM(0, CBN_EDITCHANGE),
                     reinterpret_cast<LPARAM>(picker.windows.filterCombo));
    }
    WaitFilled(picker, static_cast<int>(entries.faces.size()));
    return reported;
}

// SendMessage returns once the program has handled the text; the next message is answered once
// the picker is free again.
double TypeFilter(const PickerProcess& picker, const std::string& text)
{
    double start = NowMs();
    SendMessageA(picker.windows.filterEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (!picker.editReportsTextChange) {
        SendMessageA(picker.windows.picker, WM_COMMAND, MAKEWPARAM(0, CBN_EDITCHANGE),
                     reinterpret_cast<LPARAM>(picker.windows.filterCombo));
    }
    ComboCount(picker.windows.faceCombo);
    return NowMs() - start;
}

namespace {

std::size_t CharLength(const std::string& sjis, std::size_t at)
{
    unsigned char lead = static_cast<unsigned char>(sjis[at]);
    bool doubleByte = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
    return doubleByte && at + 1 < sjis.size() ? 2 : 1;
}

} // namespace

// The filter texts one round of typing passes through: each word typed a character at a time,
// then erased a character at a time back to the empty filter, which shows the whole list; then
// each long filter pasted at once and erased.
std::vector<std::string> TypingSequence()
{
    // Many matches narrowing to few; a tag word with few matches; romaji that leaves out a long
    // vowel; a word that matches nothing.
    static const char* const words[] = {"(´∀`", "ねこ", "arigato", "xyz"};
    // 64 letters that each read several ways.
    static const std::string pasted[] = {std::string(64, 'n'), std::string(64, 'o')};
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
    for (const std::string& text : pasted) {
        sequence.push_back(text);
        sequence.push_back(std::string());
    }
    return sequence;
}
