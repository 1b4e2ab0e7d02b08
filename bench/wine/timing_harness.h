#pragma once
// Shared by the timing drivers: generated lists of Shift-JIS emoticons, the real vemplor.exe
// launched on one, filtered and closed again, the timing primitives, and the checks of what the
// picker shows against the driver's own copy of the list.
#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "picker_probe.h"

// The driver keeps its lists in Shift-JIS; a list marked utf8 is written to the file as UTF-8
// with a byte-order mark, so the picker holds and searches it in UTF-8.
struct FaceEntries {
    std::vector<std::string> faces;
    std::vector<std::string> tags;
    bool utf8 = false;
};

struct PickerProcess {
    PROCESS_INFORMATION process = {};
    PickerWindows windows;
    // Whether setting the filter edit's text makes the program refilter by itself.
    bool editReportsTextChange = false;
};

// What one launch took: until the window was usable, until FaceCombo held the whole list, and
// the longest a message waited for the picker in between.
struct LaunchTimes {
    double usableMs = 0.0;
    double filledMs = 0.0;
    double fillWaitMs = 0.0;
};

double NowMs();
// Polls closely, so that the time measured is the picker's and not the poll's; false when the
// condition did not hold within timeoutMs.
bool PollUntil(const std::function<bool()>& condition, DWORD timeoutMs);
double Median(std::vector<double> values);
double Max(const std::vector<double>& values);
// The median of a hundred sends: what a message to the picker costs with no work behind it.
double MedianMessageMs(const std::function<void()>& send);
const char* Verdict(bool met);
// Shift-JIS bytes as UTF-8: for the report, which goes to a UTF-8 terminal, and for UTF-8 lists.
std::string Utf8Of(const std::string& sjis);

// A small fixed-seed generator: every run measures the same lists.
unsigned NextRandom(unsigned& state);
// Emoticons built like real ones, most of them with a tag of one or two words.
FaceEntries GenerateEntries(std::size_t count);
// The list file as the program reads it: "tag<TAB>face" lines, the face alone when untagged, in
// the list's encoding.
std::string FormatListFile(const FaceEntries& entries);
// The driver's own account of what FaceCombo must offer for a filter text: entries whose face,
// or else whose tag, the picker's matcher finds by reading (its default), once each, in list
// order.
std::vector<std::string> ExpectedShownFaces(const FaceEntries& entries, const std::string& filter);

std::string CreateWorkDir();
void RemoveWorkDir(const std::string& dir);

int ComboCount(HWND combo);
// The picker's title while it shows shown of total entries.
std::string PickerTitle(int shown, int total);
// FaceCombo holds exactly the expected items, compared at a spread of places, and the title
// counts them out of total.
bool ShowsItems(const PickerWindows& windows, const std::vector<std::string>& expected,
                std::size_t total, std::string& problem);
// What the user sees must be exactly right: the items and the title as above, and item 0
// selected (none when empty).
bool ShowsExactly(const PickerProcess& picker, const std::vector<std::string>& expected,
                  std::size_t total, std::string& problem);
// Waits until FaceCombo holds count items, asking all the while; the longest answer, if asked
// for, is the longest any input waited for the picker meanwhile. False after the timeout.
bool WaitFilled(const PickerProcess& picker, int count, double* longestWaitMs = nullptr);
// Writes the list and the settings into dir, starts the picker there and times it until its
// window is usable: it answers, shows its first items with item 0 selected and the title counts
// the whole list. Then waits until FaceCombo holds the whole list.
bool LaunchPicker(const std::string& exePath, const std::string& dir, const FaceEntries& entries,
                  PickerProcess& picker, LaunchTimes& times);
// Closes the window as its close button does and waits for the program to save and end; a
// picker that does not end in time is terminated so that nothing outlives the benchmark.
bool ClosePicker(PickerProcess& picker);

// Whether setting the edit field's text already makes the program refilter; TypeFilter then
// sends nothing more. The filter is left empty and the whole list shown.
bool EditReportsTextChange(const PickerProcess& picker, const FaceEntries& entries);
// The filter texts one round of typing passes through: words typed a character at a time and
// erased again, and long filters pasted at once and erased.
std::vector<std::string> TypingSequence();
// One keystroke: the filter box gets its new text and the picker refilters. Its cost runs until
// the picker answers the next message, as the user's next key would be answered.
double TypeFilter(const PickerProcess& picker, const std::string& text);
