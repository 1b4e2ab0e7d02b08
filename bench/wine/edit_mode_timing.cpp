// Timing of edit mode in the real vemplor.exe under Wine: entering and leaving it with 10,000
// entries, the sort and the duplicate check of 100,000 entries started from it, and deleting
// all of 100,000 selected rows, each from the menu key until the picker shows the result,
// refilled list and title included. Every result is checked against the driver's own model of
// the list, so a fast wrong answer fails.
//
// Usage: edit_mode_timing
// Exit code: 0 all goals met, 1 a wrong result or a picker that did not run, 2 a goal missed.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "harness.h"
#include "timing_harness.h"

namespace {

const std::size_t ToggleEntries = 10000;
const std::size_t ReworkEntries = 100000;
const int ToggleRounds = 5;
const double ToggleGoalMs = 300.0;
const double ReworkGoalMs = 1000.0;
const DWORD ResultTimeoutMs = 30000;

// About half the entries repeat an earlier one, in a scrambled order, with Shift-JIS faces.
FaceEntries Generate(std::size_t count)
{
    FaceEntries entries;
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t key = (i * 7919) % (count / 2 + 1);
        entries.tags.push_back("tag" + std::to_string(key % 50));
        entries.faces.push_back("(＾" + std::to_string(key) + "＾)");
    }
    return entries;
}

// The driver's own account of the two commands: lines "tag TAB face" in byte order, and the
// first of each line in list order.
FaceEntries Model(const FaceEntries& entries, bool sort)
{
    std::vector<std::string> lines;
    std::set<std::string> seen;
    for (std::size_t i = 0; i < entries.faces.size(); ++i) {
        std::string line = entries.tags[i] + "\t" + entries.faces[i];
        if (sort || seen.insert(line).second) {
            lines.push_back(line);
        }
    }
    if (sort) {
        std::sort(lines.begin(), lines.end());
    }
    FaceEntries result;
    for (const std::string& line : lines) {
        std::size_t tab = line.find('\t');
        result.tags.push_back(line.substr(0, tab));
        result.faces.push_back(line.substr(tab + 1));
    }
    return result;
}

bool PickerShows(const PickerWindows& windows, const FaceEntries& expected)
{
    std::string problem;
    return IsWindowVisible(windows.faceCombo) &&
           ShowsItems(windows, expected.faces, expected.faces.size(), problem);
}

bool ListShows(const PickerWindows& windows, const FaceEntries& expected)
{
    HWND list = windows.editListView;
    int rows = static_cast<int>(expected.faces.size());
    return IsWindowVisible(list) && ListViewRowCount(list) == rows &&
           ListViewCell(list, 0, 1) == expected.faces.front() &&
           ListViewCell(list, rows - 1, 0) == expected.tags.back();
}

// Opens the menu on the caption, then times from the key until the condition holds; a negative
// time when it never did.
double TimeMenuCommand(const PickerWindows& windows, WORD key, const std::function<bool()>& done)
{
    HWND menu = OpenMenuAt(ShiftingCaptionPoint(windows.picker));
    if (menu == nullptr) {
        return -1.0;
    }
    double start = NowMs();
    PressKey(key);
    return PollUntil(done, ResultTimeoutMs) ? NowMs() - start : -1.0;
}

// Prints one line of the report; 0 met, 1 wrong or missing result, 2 goal missed.
int Report(const char* what, const std::vector<double>& times, double goalMs)
{
    if (times.empty() || *std::min_element(times.begin(), times.end()) < 0) {
        std::printf("%-48s wrong or no result\n", what);
        return 1;
    }
    double worst = *std::max_element(times.begin(), times.end());
    bool met = worst <= goalMs;
    std::printf("%-48s median %7.1f ms  max %7.1f ms  goal <= %.0f ms: %s\n", what, Median(times),
                worst, goalMs, Verdict(met));
    return met ? 0 : 2;
}

// Starts the picker on the entries in a fresh directory (no paste keystroke into whatever window
// has the foreground), measures, and closes it.
int MeasureOn(const FaceEntries& entries, const std::function<int(const PickerWindows&)>& measure)
{
    WorkDir dir;
    dir.Write("Vemplor.txt", FormatListFile(entries));
    dir.WriteSetting("AutoPaste", "0");
    RunningPicker picker(dir);
    if (!picker.Started()) {
        return Report("the picker did not start", {}, 0);
    }
    int verdict = measure(picker.Windows());
    picker.RequestClose();
    picker.WaitForExit(ResultTimeoutMs);
    return verdict;
}

int MeasureToggle(const PickerWindows& windows, const FaceEntries& entries)
{
    std::vector<double> entering;
    std::vector<double> leaving;
    for (int round = 0; round < ToggleRounds; ++round) {
        entering.push_back(
            TimeMenuCommand(windows, 'E', [&] { return ListShows(windows, entries); }));
        leaving.push_back(
            TimeMenuCommand(windows, 'E', [&] { return PickerShows(windows, entries); }));
    }
    int verdict = Report("enter edit mode, 10,000 entries", entering, ToggleGoalMs);
    return std::max(verdict, Report("leave edit mode, 10,000 entries", leaving, ToggleGoalMs));
}

int MeasureRework(const PickerWindows& windows, const FaceEntries& entries)
{
    FaceEntries sorted = Model(entries, true);
    FaceEntries unique = Model(sorted, false);
    auto enter = [&](const FaceEntries& shown) {
        return TimeMenuCommand(windows, 'E', [&] { return ListShows(windows, shown); });
    };
    std::vector<double> enteringBig = {enter(entries)};
    std::vector<double> sorting = {
        TimeMenuCommand(windows, 'S', [&] { return PickerShows(windows, sorted); })};
    enter(sorted);
    std::vector<double> thinning = {
        TimeMenuCommand(windows, 'D', [&] { return PickerShows(windows, unique); })};
    int verdict = Report("enter edit mode, 100,000 entries", enteringBig, ToggleGoalMs);
    verdict =
        std::max(verdict, Report("sort from edit mode, 100,000 entries", sorting, ReworkGoalMs));
    return std::max(verdict, Report("duplicate check from edit mode, 100,000 (50,001 kept)",
                                    thinning, ReworkGoalMs));
}

// Every row selected (a click on the first, then Shift+End: Wine's list view has no Ctrl+A),
// then deleted with the list view's menu item 削除, the second from the bottom (its access key
// is also the duplicate check's): timed from Enter on it until the list shows no row and no
// selection, the driver's model of the result, which the title confirms once edit mode is left.
int MeasureDelete(const PickerWindows& windows, const FaceEntries& entries)
{
    const char* what = "delete all selected rows, 100,000 entries";
    HWND list = windows.editListView;
    UINT rows = static_cast<UINT>(entries.faces.size());
    if (TimeMenuCommand(windows, 'E', [&] { return ListShows(windows, entries); }) < 0) {
        return Report(what, {}, ReworkGoalMs);
    }
    RECT row = ListViewCellRect(list, 0, 1);
    ClickAt(row.right - 10, (row.top + row.bottom) / 2);
    KeyDown(VK_SHIFT);
    PressKey(VK_END, true);
    KeyUp(VK_SHIFT);
    if (!PollUntil([&] { return ListView_GetSelectedCount(list) == rows; }, ResultTimeoutMs)) {
        return Report(what, {}, ReworkGoalMs);
    }
    row = ListViewCellRect(list, ListView_GetTopIndex(list), 1);
    std::vector<double> deleting = {-1.0};
    if (OpenMenuAt({(row.left + row.right) / 2, (row.top + row.bottom) / 2}) != nullptr) {
        PressKey(VK_UP);
        PressKey(VK_UP);
        double start = NowMs();
        PressKey(VK_RETURN);
        if (PollUntil(
                [&] {
                    return IsWindowVisible(list) && ListViewRowCount(list) == 0 &&
                           ListView_GetSelectedCount(list) == 0;
                },
                ResultTimeoutMs)) {
            deleting[0] = NowMs() - start;
        }
    }
    if (TimeMenuCommand(windows, 'E', [&] {
            return IsWindowVisible(windows.faceCombo) &&
                   WindowTitle(windows.picker) == "Vemplor 登録数[0/0]";
        }) < 0) {
        deleting[0] = -1.0;
    }
    return Report(what, deleting, ReworkGoalMs);
}

} // namespace

int main()
{
    std::printf("Edit mode, from the menu key until the picker shows the checked result:\n");
    FaceEntries small = Generate(ToggleEntries);
    int verdict = MeasureOn(
        small, [&](const PickerWindows& windows) { return MeasureToggle(windows, small); });
    FaceEntries big = Generate(ReworkEntries);
    verdict = std::max(verdict, MeasureOn(big, [&](const PickerWindows& windows) {
                           return MeasureRework(windows, big);
                       }));
    return std::max(verdict, MeasureOn(big, [&](const PickerWindows& windows) {
                        return MeasureDelete(windows, big);
                    }));
}
