// Start-up: from CreateProcess until the window is usable, and until the whole list is in.
#include <cstdio>
#include <functional>

#include "picker_timing.h"

namespace {

const int StartUpRuns = 9;
const int LongListStartUpRuns = 3;

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

// The start-up goal of a size as a ratio to the empty list's start-up; 0 when it has none.
double StartUpGoalRatio(std::size_t entries)
{
    return entries == 10000 || entries == 100000 ? 1.2 : 0.0;
}

std::string Milliseconds(const std::vector<double>& values,
                         const std::function<double(const std::vector<double>&)>& pick)
{
    char text[32] = "-";
    if (!values.empty()) {
        std::snprintf(text, sizeof text, "%.1f", pick(values));
    }
    return text;
}

} // namespace

// The first launch only warms the system's caches and is not counted.
bool MeasureStartUps(const std::string& exePath, bool detail, const std::string& dir,
                     const std::vector<FaceEntries>& lists, std::vector<SizeReport>& reports)
{
    for (int run = -1; run < StartUpRuns; ++run) {
        for (std::size_t s = 0; s < lists.size(); ++s) {
            bool longList = lists[s].faces.size() > LongestTypedList;
            if (longList && (run < 0 || run >= LongListStartUpRuns)) {
                continue;
            }
            PickerProcess picker;
            LaunchTimes times;
            bool started = LaunchPicker(exePath, dir, lists[s], picker, times);
            std::string problem;
            bool right = started && ShowsExactly(picker, lists[s].faces, lists[s].faces.size(),
                                                 problem);
            double privateBytes = SampleResources(picker.process, 0).privateBytes;
            bool closed = ClosePicker(picker);
            if (!right) {
                std::printf("start-up with %zu entries: %s\n", lists[s].faces.size(),
                            started ? problem.c_str() : "failed");
                return false;
            }
            if (!closed) {
                reports[s].correct = false;
            }
            if (detail) {
                std::printf("start-up %d with %zu entries: usable %.1f ms, filled %.1f ms\n",
                            run, lists[s].faces.size(), times.usableMs, times.filledMs);
            }
            if (run >= 0) {
                reports[s].startUpMs.push_back(times.usableMs);
                reports[s].startUpFilledMs.push_back(times.filledMs);
                reports[s].startUpFillWaitMs.push_back(times.fillWaitMs);
                reports[s].filledPrivateBytes.push_back(privateBytes);
            }
        }
    }
    return true;
}

bool PrintStartUpAndKeystrokeTable(const std::vector<SizeReport>& reports)
{
    bool allMet = true;
    std::printf("\n| entries | usable ms | vs empty | filled ms | longest wait while filling ms "
                "| keystroke median ms | keystroke max ms | first filter ms | keystroke goal "
                "| start-up goal |\n");
    std::printf("|--------:|----------:|---------:|----------:|------------------------------:"
                "|--------------------:|-----------------:|----------------:|:---------------"
                "|:--------------|\n");
    for (const SizeReport& report : reports) {
        double ratio = StartUpRatio(report, reports.front());
        std::string startUpGoal = LongFillGoalCell(report, allMet);
        if (StartUpGoalRatio(report.entries) > 0.0) {
            bool met = ratio <= StartUpGoalRatio(report.entries);
            allMet = allMet && met;
            char text[64];
            std::snprintf(text, sizeof text, "<= %.2f x empty: %s",
                          StartUpGoalRatio(report.entries), Verdict(met));
            startUpGoal = text;
        }
        char firstFilter[16] = "-";
        if (report.firstFilterMs >= 0.0) {
            std::snprintf(firstFilter, sizeof firstFilter, "%.1f", report.firstFilterMs);
        }
        std::printf("| %13s | %9s | %7.2fx | %9s | %29s | %19s | %16s | %15s | %-14s | %-13s |\n",
                    EntriesCell(report).c_str(), Milliseconds(report.startUpMs, Median).c_str(),
                    ratio,
                    Milliseconds(report.startUpFilledMs, Median).c_str(),
                    Milliseconds(report.startUpFillWaitMs, Median).c_str(),
                    Milliseconds(report.keystrokeMs, Median).c_str(),
                    Milliseconds(report.keystrokeMs, Max).c_str(), firstFilter,
                    KeystrokeGoalCell(report, allMet).c_str(), startUpGoal.c_str());
    }
    std::printf("\nusable: CreateProcess until the window is visible and answers, showing its "
                "first items with item 0 selected and the title counting the whole list; filled: until "
                "FaceCombo holds the whole list; longest wait: the slowest answer to a message "
                "sent every millisecond while the list filled (median of %d runs, %d above "
                "%zu entries; vs empty: median of the runs' ratios)\nkeystroke: from setting "
                "the filter text until FaceCombo holds the whole result, the longest the "
                "picker left a message waiting (each keystroke's median of %d rounds; median "
                "and slowest over the typing sequence); first filter: the same for the first "
                "filter text after loading, once\n",
                StartUpRuns, LongListStartUpRuns, LongestTypedList, KeystrokeRounds);
    return allMet;
}
