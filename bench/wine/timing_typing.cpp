// Typing: the cost of each keystroke in the filter box, checked against the expected list.
#include <algorithm>
#include <cstdio>

#include "picker_timing.h"

namespace {

// A keystroke as the user meets it, until the list is whole: the longest the picker leaves a
// message waiting, in the keystroke's own handling or in a slice of the fill after it. False in
// filled when FaceCombo did not come to hold count items.
double KeystrokeUntilWhole(const PickerProcess& picker, const std::string& text, int count,
                           bool& filled)
{
    const double typed = TypeFilter(picker, text);
    double longestWait = 0.0;
    filled = WaitFilled(picker, count, &longestWait);
    return std::max(typed, longestWait);
}

// The goals: a keystroke within half a frame (8 ms) up to 10,000 entries and within two frames
// (33 ms) at 100,000.
double KeystrokeGoalMs(std::size_t entries)
{
    return entries <= 10000 ? 8.0 : 33.0;
}

} // namespace

void MeasureKeystrokes(const PickerProcess& picker, FaceEntries& entries, bool detail,
                       SizeReport& report)
{
    if (entries.faces.size() > LongestTypedList) {
        return;
    }
    const std::vector<std::string> sequence = TypingSequence();
    if (detail) {
        std::printf("  keystroke = %s\n", picker.editReportsTextChange
                                               ? "WM_SETTEXT to the filter edit (it notifies)"
                                               : "WM_SETTEXT and WM_COMMAND CBN_EDITCHANGE");
        // The floor under every keystroke, which sends two messages.
        std::printf("  one message round trip to the picker: %.3f ms (median)\n",
                    MedianMessageMs([&] { ComboCount(picker.windows.faceCombo); }));
    }
    std::vector<std::vector<double>> times(sequence.size());
    std::vector<std::vector<std::string>> expected;
    for (const std::string& filter : sequence) {
        expected.push_back(ExpectedShownFaces(entries, filter));
    }
    for (int round = 0; round < KeystrokeRounds; ++round) {
        for (std::size_t k = 0; k < sequence.size(); ++k) {
            bool filled = false;
            times[k].push_back(KeystrokeUntilWhole(picker, sequence[k],
                                                   static_cast<int>(expected[k].size()), filled));
            std::string problem;
            if (!filled || !ShowsExactly(picker, expected[k], entries.faces.size(), problem)) {
                std::printf("  WRONG after filter \"%s\": %s\n", Utf8Of(sequence[k]).c_str(),
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
            const std::string shown = sequence[k].size() > 12
                                          ? sequence[k].substr(0, 3) + "...x" +
                                                std::to_string(sequence[k].size())
                                          : sequence[k];
            std::printf("  %-12s %7zu shown  median %8.2f ms  max %8.2f ms\n",
                        ("\"" + Utf8Of(shown) + "\"").c_str(), expected[k].size(),
                        Median(times[k]), Max(times[k]));
        }
    }
}

void MeasureFirstFilter(const PickerProcess& picker, const FaceEntries& entries,
                        SizeReport& report)
{
    if (entries.faces.empty() || entries.faces.size() > LongestTypedList) {
        return;
    }
    const std::string filter = "ねこ";
    const std::vector<std::string> expected = ExpectedShownFaces(entries, filter);
    PickerProcess bothMessages = picker;
    bothMessages.editReportsTextChange = false;
    bool filled = false;
    report.firstFilterMs =
        KeystrokeUntilWhole(bothMessages, filter, static_cast<int>(expected.size()), filled);
    std::string problem;
    if (!filled ||
        !ShowsExactly(picker, expected, entries.faces.size(), problem)) {
        std::printf("  WRONG after the first filter: %s\n", problem.c_str());
        report.correct = false;
    }
    TypeFilter(bothMessages, "");
    WaitFilled(picker, static_cast<int>(entries.faces.size()));
}

std::string KeystrokeGoalCell(const SizeReport& report, bool& allMet)
{
    if (report.keystrokeMs.empty()) {
        return "-";
    }
    bool met = std::max(Max(report.keystrokeMs), report.firstFilterMs) <=
               KeystrokeGoalMs(report.entries);
    allMet = allMet && met;
    char text[64];
    wsprintfA(text, "<= %d ms: %s", static_cast<int>(KeystrokeGoalMs(report.entries)),
              Verdict(met));
    return text;
}
