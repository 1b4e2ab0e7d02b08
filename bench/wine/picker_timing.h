#pragma once
// The parts of picker_timing, one a file by what they measure, and the report they fill.
#include "timing_harness.h"

// Lists longer than this are started fewer times and only their start-up, their fill and
// their memory are measured: typing and choosing have no goal there.
const std::size_t LongestTypedList = 100000;
// Each keystroke of the typing sequence is timed this many times.
const int KeystrokeRounds = 5;

// A filter most generated faces contain: the filtered choice then searches and reorders lists
// nearly as long as the whole one.
const char* const FilteredChoiceText = "(";

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
    bool utf8 = false;
    std::vector<double> startUpMs;
    std::vector<double> startUpFilledMs;
    // The longest a message waited for the picker while it filled its list, per start-up run.
    std::vector<double> startUpFillWaitMs;
    std::vector<double> filledPrivateBytes;
    long long privateBeforeAbandon = -1;
    long long privateAfterAbandon = -1;
    std::vector<double> keystrokeMs;
    // The first filtering after loading, which finds the list folded for the search by reading
    // unless it came before the picker was idle.
    double firstFilterMs = -1.0;
    std::vector<double> choiceMs;
    std::vector<double> choicePositionMedianMs;
    double ignoredChoiceMs = 0.0;
    std::vector<ResourceSample> resources;
    bool correct = true;
};

// picker_timing_main.cpp: a table row's first cell, the size and, for a UTF-8 list, "UTF-8".
std::string EntriesCell(const SizeReport& report);

// timing_startup.cpp: launches of every size, interleaved; the table of start-up and typing.
bool MeasureStartUps(const std::string& exePath, bool detail, const std::string& dir,
                     const std::vector<FaceEntries>& lists, std::vector<SizeReport>& reports);
bool PrintStartUpAndKeystrokeTable(const std::vector<SizeReport>& reports);

// timing_typing.cpp: each keystroke of a typing sequence, and the goal of a size's keystrokes
// as its table cell ("-" without one; allMet is cleared when it is missed).
void MeasureKeystrokes(const PickerProcess& picker, FaceEntries& entries, bool detail,
                       SizeReport& report);
std::string KeystrokeGoalCell(const SizeReport& report, bool& allMet);
// The first filter text set after loading, before anything else has filtered; sent with both
// messages whatever the edit reports, so the picker may filter twice: an upper bound.
void MeasureFirstFilter(const PickerProcess& picker, const FaceEntries& entries,
                        SizeReport& report);

// timing_choice.cpp: choices near the top, middle and end, with and without a filter.
void MeasureChoices(const PickerProcess& picker, FaceEntries& entries, bool detail,
                    SizeReport& report);
bool PrintChoiceTable(const std::vector<SizeReport>& reports);

// What FaceCombo must show while the driver makes choices: the whole list while the filter text
// is empty, else the filtered rows in the order the choices have given them.
struct ChoiceModel {
    FaceEntries* entries = nullptr;
    std::string filter;
    std::vector<std::string> shownFaces;
};
const std::vector<std::string>& ShownFaces(const ChoiceModel& model);
// Sets the filter text as typing does and checks that the picker shows what the model expects.
bool ApplyFilter(const PickerProcess& picker, ChoiceModel& model, const std::string& text,
                 std::string& problem);
// Chooses shown row index as the keyboard does, timing the confirmation, and checks the
// clipboard and FaceCombo afterwards (thoroughly: a spread of items too) against the model.
bool ChooseAndCheck(const PickerProcess& picker, ChoiceModel& model, int index, bool thorough,
                    double& elapsedMs, std::string& problem);

// timing_fill.cpp: long lists going in. The goal of the longest list ("-" for other sizes), and
// a fill given up half way.
std::string LongFillGoalCell(const SizeReport& report, bool& allMet);
void MeasureAbandonedFill(const PickerProcess& picker, FaceEntries& entries, bool detail,
                          SizeReport& report);
bool PrintAbandonedFills(const std::vector<SizeReport>& reports);

// timing_memory.cpp: the picker's resources now, over many choices, and per entry shown.
ResourceSample SampleResources(const PROCESS_INFORMATION& process, int choices);
void MeasureResources(const PickerProcess& picker, FaceEntries& entries, bool detail,
                      SizeReport& report);
bool PrintResourceTable(const SizeReport& report);
bool PrintMemoryTable(const std::vector<SizeReport>& reports);
