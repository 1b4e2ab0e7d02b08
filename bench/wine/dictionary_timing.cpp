// Timing of dictionary import and export in the real vemplor.exe under Wine, driven from the
// context menu and the file dialogs as a user does: a 100,000-line Microsoft IME dictionary
// merged into a list of 100,000 entries (from the open dialog's OK until the preview shows, and
// from the preview's OK until the title counts the new list), then the whole list exported (from
// the save dialog's OK until the closing message). The preview's counts, the title, the list
// shown and every line of the exported file are checked against the driver's own model of the
// merge, so a fast wrong answer fails.
//
// Usage: dictionary_timing
// Exit code: 0 all goals met, 1 a wrong result or a picker that did not run, 2 a goal missed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "harness.h"
#include "timing_harness.h"

namespace {

const std::size_t ListEntries = 100000;
const std::size_t DictionaryLines = 100000;
// Faces the dictionary names: lines past this many name the same faces again, under another
// reading.
const std::size_t DictionaryFaces = 95000;
const int Rounds = 3;
const double GoalMs = 1000.0;
const DWORD ResultTimeoutMs = 60000;
const UINT ShiftJis = 932;

const char* const ImportCaption = "インポート";
const char* const ExportCaption = "エクスポート";
// The file dialogs' file name box, and the preview's summary.
const int FileNameBox = 1148;
const int ImportSummary = 1038;

std::string FaceNumber(std::size_t number)
{
    return "(＾" + std::to_string(number) + "＾)";
}

// The list holds the even faces, each with one or two readings.
FaceEntries GenerateList()
{
    FaceEntries entries;
    for (std::size_t i = 0; i < ListEntries; ++i) {
        entries.faces.push_back(FaceNumber(i * 2));
        entries.tags.push_back(i % 3 == 0 ? "にこ" : "えがお わらい");
    }
    return entries;
}

struct DictionaryWord {
    std::string reading;
    std::string face;
};

// Faces in a scrambled order, half of them held by the list; a reading the list may or may not
// have for them; the last lines name faces of the first ones again.
std::vector<DictionaryWord> GenerateWords()
{
    static const char* const readings[] = {"にこ", "うれしい", "わらい"};
    std::vector<DictionaryWord> words;
    for (std::size_t i = 0; i < DictionaryLines; ++i) {
        words.push_back({readings[i % 3], FaceNumber(i * 7 % DictionaryFaces)});
    }
    return words;
}

std::string Utf16LeWithMark(const std::string& sjis)
{
    std::wstring text = WideFromBytes(sjis, ShiftJis);
    std::string bytes = "\xFF\xFE";
    for (wchar_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

std::string DictionaryFile(const std::vector<DictionaryWord>& words)
{
    std::string text = "!Microsoft IME Dictionary Tool\r\n!Version:\r\n!Format:WORDLIST\r\n";
    for (const DictionaryWord& word : words) {
        text += word.reading + "\t" + word.face + "\t顔文字\r\n";
    }
    return Utf16LeWithMark(text);
}

std::vector<std::string> Readings(const std::string& tag)
{
    std::vector<std::string> readings;
    std::size_t start = 0;
    while (start < tag.size()) {
        std::size_t end = std::min(tag.find(' ', start), tag.size());
        readings.push_back(tag.substr(start, end - start));
        start = end + 1;
    }
    return readings;
}

bool Holds(const std::vector<std::string>& readings, const std::string& reading)
{
    return std::find(readings.begin(), readings.end(), reading) != readings.end();
}

// The driver's own account of the import: faces the list lacks are added at the end in the order
// the file first names them, with their readings; a face the list holds gains the readings it
// lacks.
struct ImportModel {
    FaceEntries after;
    std::size_t added = 0;
    std::size_t tagged = 0;
};

ImportModel Merge(const FaceEntries& list, const std::vector<DictionaryWord>& words)
{
    std::vector<std::string> order;
    std::map<std::string, std::vector<std::string>> readingsOf;
    for (const DictionaryWord& word : words) {
        std::vector<std::string>& readings = readingsOf[word.face];
        if (readings.empty()) {
            order.push_back(word.face);
        }
        if (!Holds(readings, word.reading)) {
            readings.push_back(word.reading);
        }
    }
    ImportModel model;
    model.after = list;
    std::map<std::string, std::size_t> entryOf;
    for (std::size_t i = 0; i < list.faces.size(); ++i) {
        entryOf.emplace(list.faces[i], i);
    }
    for (const std::string& face : order) {
        auto held = entryOf.find(face);
        std::string& tag = held == entryOf.end() ? model.after.tags.emplace_back()
                                                  : model.after.tags[held->second];
        if (held == entryOf.end()) {
            model.after.faces.push_back(face);
            ++model.added;
        }
        std::vector<std::string> had = Readings(tag);
        bool gained = false;
        for (const std::string& reading : readingsOf[face]) {
            if (!Holds(had, reading)) {
                tag += (tag.empty() ? "" : " ") + reading;
                gained = true;
            }
        }
        model.tagged += gained && held != entryOf.end() ? 1 : 0;
    }
    return model;
}

// The exported dictionary's word lines, one a reading of each entry.
std::vector<std::string> ExportedLines(const FaceEntries& entries)
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < entries.faces.size(); ++i) {
        for (const std::string& reading : Readings(entries.tags[i])) {
            lines.push_back(reading + "\t" + entries.faces[i] + "\t顔文字");
        }
    }
    return lines;
}

// A UTF-16 file's lines as Shift-JIS, those starting with '!' left out; false without the mark.
bool WordLinesOf(const std::string& bytes, std::vector<std::string>& lines)
{
    if (bytes.size() < 2 || bytes.compare(0, 2, "\xFF\xFE") != 0) {
        return false;
    }
    std::wstring text((bytes.size() - 2) / 2, L'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                       static_cast<unsigned char>(bytes[3 + 2 * i]) << 8);
    }
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = std::min(text.find(L"\r\n", start), text.size());
        if (text[start] != L'!') {
            lines.push_back(BytesFromWide(text.substr(start, end - start), ShiftJis));
        }
        start = end + 2;
    }
    return true;
}

// The visible dialog of that caption, or null: asked while the program runs, never waited for.
HWND VisibleDialog(const char* caption)
{
    HWND dialog = FindWindowW(L"#32770", WideFromBytes(caption, ShiftJis).c_str());
    return dialog != nullptr && IsWindowVisible(dialog) ? dialog : nullptr;
}

// Opens the file dialog from the menu over the list and names the file in it; the time is taken
// from its OK until done holds, or negative when it never did.
double TimeFileDialog(const PickerWindows& windows, WORD accessKey, const char* caption,
                      const std::string& path, const std::function<bool()>& done)
{
    if (!ChooseFromContextMenu(windows.faceCombo, accessKey)) {
        return -1.0;
    }
    HWND fileDialog = WaitForDialog(caption);
    if (fileDialog == nullptr) {
        return -1.0;
    }
    SendMessageW(GetDlgItem(fileDialog, FileNameBox), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(WideFromUtf8(path).c_str()));
    double start = NowMs();
    PostMessageW(fileDialog, WM_COMMAND, IDOK, 0);
    return PollUntil([&] { return !IsWindow(fileDialog) && done(); }, ResultTimeoutMs)
               ? NowMs() - start
               : -1.0;
}

struct RoundTimes {
    double reading = -1.0;
    double applying = -1.0;
    double filled = -1.0;
    double exporting = -1.0;
};

std::string Expected(const char* what, const std::string& shown, const std::string& expected)
{
    return shown == expected ? ""
                             : std::string(what) + " reads \"" + Utf8Of(shown) + "\", expected \"" +
                                   Utf8Of(expected) + "\"";
}

// The import, through the preview: its summary must give the model's counts before OK, and the
// picker must show the model's list after it.
std::string MeasureImport(const PickerWindows& windows, const WorkDir& dir,
                          const ImportModel& model, RoundTimes& times)
{
    HWND preview = nullptr;
    times.reading = TimeFileDialog(windows, 'M', ImportCaption, dir.PathOf("dict.txt"), [&] {
        return (preview = VisibleDialog(ImportCaption)) != nullptr;
    });
    if (times.reading < 0) {
        return "no preview showed";
    }
    std::string problem = Expected(
        "the preview", ControlText(GetDlgItem(preview, ImportSummary)),
        "顔文字 " + std::to_string(model.added) + " 件を追加し、" + std::to_string(model.tagged) +
            " 件に読みを加えます。\n\nMicrosoft IME の辞書の " + std::to_string(DictionaryLines) +
            " 語から。");
    if (!problem.empty()) {
        return problem;
    }
    int total = static_cast<int>(model.after.faces.size());
    POINT ok = CentreOf(GetDlgItem(preview, IDOK));
    SettleMouseAt(ok);
    double start = NowMs();
    MouseButtonAt(ok, true, true);
    MouseButtonAt(ok, true, false);
    if (!PollUntil([&] { return WindowTitle(windows.picker) == PickerTitle(total, total); },
                   ResultTimeoutMs)) {
        return Expected("the title", WindowTitle(windows.picker), PickerTitle(total, total));
    }
    times.applying = NowMs() - start;
    if (!PollUntil([&] { return ComboCount(windows.faceCombo) == total; }, ResultTimeoutMs)) {
        return "the list never filled";
    }
    times.filled = NowMs() - start;
    ShowsItems(windows, model.after.faces, model.after.faces.size(), problem);
    return problem;
}

// The export of the merged list: the closing message must count the model's entries and lines,
// and the file must hold every line of the model in order.
std::string MeasureExport(const PickerWindows& windows, const WorkDir& dir,
                          const ImportModel& model, RoundTimes& times)
{
    HWND report = nullptr;
    times.exporting = TimeFileDialog(windows, 'T', ExportCaption, dir.PathOf("out.txt"), [&] {
        return (report = MessageBoxOver(windows.picker)) != nullptr;
    });
    if (times.exporting < 0) {
        return "no message closed the export";
    }
    std::vector<std::string> expected = ExportedLines(model.after);
    std::string problem =
        Expected("the export's message", MessageText(report),
                 "顔文字 " + std::to_string(model.after.faces.size()) +
                     " 件を Microsoft IME の辞書として書き出しました（" +
                     std::to_string(expected.size()) + " 行）。");
    ClickAndWaitClosed(report, IDOK);
    std::vector<std::string> written;
    if (problem.empty() && !WordLinesOf(dir.Read("out.txt"), written)) {
        problem = "the exported file is no UTF-16 with a byte-order mark";
    }
    if (problem.empty() && written != expected) {
        std::size_t first = static_cast<std::size_t>(
            std::mismatch(written.begin(), written.end(), expected.begin(), expected.end()).first -
            written.begin());
        problem = "the exported file has " + std::to_string(written.size()) + " word lines, " +
                  std::to_string(expected.size()) + " expected; the first difference at line " +
                  std::to_string(first + 1);
    }
    return problem;
}

// One round in a fresh directory and a fresh picker, the whole list filled before the import.
std::string MeasureRound(const FaceEntries& list, const std::string& dictionary,
                         const ImportModel& model, RoundTimes& times)
{
    WorkDir dir;
    dir.Write("Vemplor.txt", FormatListFile(list));
    dir.Write("dict.txt", dictionary);
    dir.WriteSetting("AutoPaste", "0");
    RunningPicker picker(dir);
    if (!picker.Started()) {
        return "the picker did not start";
    }
    const PickerWindows& windows = picker.Windows();
    if (!PollUntil([&] { return ComboCount(windows.faceCombo) == static_cast<int>(ListEntries); },
                   ResultTimeoutMs)) {
        return "the list never filled at start-up";
    }
    std::string problem = MeasureImport(windows, dir, model, times);
    if (problem.empty()) {
        problem = MeasureExport(windows, dir, model, times);
    }
    picker.RequestClose();
    picker.WaitForExit(ResultTimeoutMs);
    return problem;
}

// Prints one line of the report; 0 met, 2 goal missed. Without a goal the figure is for the
// record only.
int Report(const char* what, const std::vector<double>& times, double goalMs)
{
    double worst = Max(times);
    std::printf("%-58s median %7.1f ms  max %7.1f ms", what, Median(times), worst);
    if (goalMs <= 0) {
        std::printf("\n");
        return 0;
    }
    bool met = worst <= goalMs;
    std::printf("  goal <= %.0f ms: %s\n", goalMs, Verdict(met));
    return met ? 0 : 2;
}

} // namespace

int main()
{
    FaceEntries list = GenerateList();
    std::vector<DictionaryWord> words = GenerateWords();
    std::string dictionary = DictionaryFile(words);
    ImportModel model = Merge(list, words);
    std::printf("Dictionaries, %zu lines into %zu entries (%zu faces added, %zu gaining a "
                "reading), then %zu entries exported; %d rounds:\n",
                DictionaryLines, ListEntries, model.added, model.tagged, model.after.faces.size(),
                Rounds);
    RoundTimes all[Rounds];
    for (RoundTimes& times : all) {
        std::string problem = MeasureRound(list, dictionary, model, times);
        if (!problem.empty()) {
            std::printf("wrong result: %s\n", problem.c_str());
            return 1;
        }
    }
    auto figures = [&](double RoundTimes::*field) {
        std::vector<double> values;
        for (const RoundTimes& times : all) {
            values.push_back(times.*field);
        }
        return values;
    };
    std::vector<double> importing;
    for (const RoundTimes& times : all) {
        importing.push_back(times.reading + times.applying);
    }
    Report("import: open dialog's OK until the preview shows", figures(&RoundTimes::reading), 0);
    Report("import: preview's OK until the title counts the list", figures(&RoundTimes::applying), 0);
    Report("import: preview's OK until the whole list is in", figures(&RoundTimes::filled), 0);
    int verdict = Report("import: the two together", importing, GoalMs);
    return std::max(verdict, Report("export: save dialog's OK until the closing message",
                                    figures(&RoundTimes::exporting), GoalMs));
}
