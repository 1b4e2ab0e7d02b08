// Long fills: the longest list usable while it goes in, and a fill given up half way.
#include <cstdio>

#include "picker_timing.h"

namespace {

// With a million entries the window is usable within 3 s, and no input waits longer than
// 100 ms for the picker while the rest of the list goes in.
const std::size_t MillionEntries = 1000000;
const double MillionUsableGoalMs = 3000.0;
const double FillWaitGoalMs = 100.0;

} // namespace

std::string LongFillGoalCell(const SizeReport& report, bool& allMet)
{
    if (report.entries != MillionEntries) {
        return "-";
    }
    bool met = Median(report.startUpMs) <= MillionUsableGoalMs &&
               Median(report.startUpFillWaitMs) <= FillWaitGoalMs;
    allMet = allMet && met;
    return std::string("usable <= 3 s, waits <= 100 ms: ") + Verdict(met);
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
    const std::string nothing = "xyz";
    TypeFilter(picker, nothing);
    bool emptied = WaitFilled(picker, 0);
    report.privateBeforeAbandon = SampleResources(picker.process, 0).privateBytes;
    TypeFilter(picker, std::string());
    int filling = ComboCount(picker.windows.faceCombo);
    TypeFilter(picker, nothing);
    emptied = emptied && WaitFilled(picker, 0);
    report.privateAfterAbandon = SampleResources(picker.process, 0).privateBytes;
    if (detail) {
        std::printf("  fill abandoned at %d of %zu items\n", filling, entries.faces.size());
    }
    TypeFilter(picker, std::string());
    std::string problem;
    if (!emptied || !WaitFilled(picker, static_cast<int>(entries.faces.size())) ||
        !ShowsExactly(picker, entries.faces, entries.faces.size(), problem)) {
        std::printf("  WRONG after an abandoned fill: %s\n", problem.c_str());
        report.correct = false;
    }
}

// An abandoned fill may keep less than a byte per entry.
bool PrintAbandonedFills(const std::vector<SizeReport>& reports)
{
    bool allMet = true;
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
