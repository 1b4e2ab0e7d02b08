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
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "picker_timing.h"

namespace {

// Lists are measured at these sizes; 0 is the empty list that start-up is compared with. One
// list of Utf8ListSize entries is measured again as a UTF-8 file.
const std::size_t ListSizes[] = {0, 1000, 10000, 100000, 1000000};
const std::size_t Utf8ListSize = 100000;

// A measurement made on a running picker. entries is the driver's account of the picker's list
// in its current order: a case that reorders the list keeps it up to date for the next.
typedef void (*RunningCase)(const PickerProcess& picker, FaceEntries& entries, bool detail,
                            SizeReport& report);

const RunningCase RunningCases[] = {MeasureKeystrokes, MeasureChoices, MeasureResources,
                                    MeasureAbandonedFill};

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
        PickerProcess picker;
        LaunchTimes times;
        if (!LaunchPicker(options.exePath, dir, lists[s], picker, times)) {
            ClosePicker(picker);
            return false;
        }
        FaceEntries shownOrder = lists[s];
        MeasureFirstFilter(picker, shownOrder, reports[s]);
        picker.editReportsTextChange = EditReportsTextChange(picker, shownOrder);
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

int PrintReport(const std::vector<SizeReport>& reports)
{
    bool allCorrect = true;
    for (const SizeReport& report : reports) {
        allCorrect = allCorrect && report.correct;
    }
    bool allMet = PrintStartUpAndKeystrokeTable(reports);
    allMet = PrintMemoryTable(reports) && allMet;
    allMet = PrintAbandonedFills(reports) && allMet;
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

void AddList(std::size_t size, bool utf8, std::vector<FaceEntries>& lists,
             std::vector<SizeReport>& reports)
{
    lists.push_back(GenerateEntries(size));
    lists.back().utf8 = utf8;
    SizeReport report;
    report.entries = size;
    report.utf8 = utf8;
    reports.push_back(report);
}

} // namespace

std::string EntriesCell(const SizeReport& report)
{
    return std::to_string(report.entries) + (report.utf8 ? " UTF-8" : "");
}

int main(int argc, char** argv)
{
    SetConsoleOutputCP(CP_UTF8);
    const Options options = ReadOptions(argc, argv);
    std::vector<FaceEntries> lists;
    std::vector<SizeReport> reports;
    for (std::size_t size : ListSizes) {
        if (size <= options.largest) {
            AddList(size, false, lists, reports);
        }
    }
    if (Utf8ListSize <= options.largest) {
        AddList(Utf8ListSize, true, lists, reports);
    }
    std::printf("vemplor.exe: %s\n", options.exePath.c_str());
    std::fflush(stdout);

    const std::string dir = CreateWorkDir();
    bool ran = MeasureStartUps(options.exePath, options.detail, dir, lists, reports) &&
               MeasureRunningCases(options, dir, lists, reports);
    RemoveWorkDir(dir);
    if (!ran) {
        std::printf("RESULT: the benchmark could not run to the end\n");
        return 1;
    }
    return PrintReport(reports);
}
