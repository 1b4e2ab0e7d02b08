// Timing of the hotkey's pop-up in the real vemplor.exe under Wine, with 10,000 and 100,000
// entries: from the Ctrl+K press in another program's text field until the pop-up is drawn at
// its caret with the list showing, the first item highlighted; and each keystroke of the typing
// sequence in the pop-up's field until its list holds everything found, measured as the
// longest the pop-up leaves a message waiting (the median of five rounds for each keystroke;
// the report gives the median and the slowest of those). Every result is checked against the driver's own
// copy of the list, so a fast wrong answer fails.
//
// Usage: popup_timing
// Exit code: 0 all goals met, 1 a wrong result or a picker that did not run, 2 a goal missed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "harness.h"
#include "timing_harness.h"

namespace {

const std::size_t ListSizes[] = {10000, 100000};
const int HotKeyRounds = 5;
// As in picker_timing: each keystroke is represented by its median over the rounds, which keeps
// a stray pause of the machine from passing for the program's cost.
const int TypingRounds = 5;
const DWORD ResultTimeoutMs = 30000;

double OpenGoalMs(std::size_t entries)
{
    return entries <= 10000 ? 50.0 : 150.0;
}

// The picker's keystroke goals.
double KeystrokeGoalMs(std::size_t entries)
{
    return entries <= 10000 ? 8.0 : 33.0;
}

// The driver's own text field, where the user types when pressing the hotkey; its messages are
// answered while the driver waits, as a running program's are.
HWND OpenTextField()
{
    HWND field = CreateWindowExW(0, L"EDIT", L"typing here", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 300, 250, 300, 80, nullptr, nullptr, GetModuleHandleW(nullptr),
                                 nullptr);
    SetForegroundWindow(field);
    SetFocus(field);
    return field;
}

void AnswerMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool Drawn(HWND window)
{
    return IsWindowVisible(window) && !GetUpdateRect(window, nullptr, FALSE);
}

// Open at the caret, the whole list in order with its first item highlighted, nothing left to
// paint.
bool PopupShows(const PickerWindows& windows, const FaceEntries& entries, HWND textField)
{
    RECT field = WindowRectOf(windows.popupField);
    RECT typing = WindowRectOf(textField);
    return Drawn(windows.popupCombo) && Drawn(windows.popupField) && Drawn(windows.popupList) &&
           field.top > typing.top && field.top < typing.bottom &&
           SendMessageW(windows.popupList, LB_GETCURSEL, 0, 0) == 0 &&
           ListItem(windows.popupList, 0) == entries.faces.front();
}

// Prints one line of the report; 0 met, 1 wrong or missing result, 2 goal missed.
int Report(const std::string& what, const std::vector<double>& times, double goalMs)
{
    if (times.empty() || *std::min_element(times.begin(), times.end()) < 0) {
        std::printf("%-52s wrong or no result\n", what.c_str());
        return 1;
    }
    double worst = Max(times);
    bool met = worst <= goalMs;
    std::printf("%-52s median %7.1f ms  max %7.1f ms  goal <= %.0f ms: %s\n", what.c_str(),
                Median(times), worst, goalMs, Verdict(met));
    return met ? 0 : 2;
}

double PressHotKeyUntilShown(const PickerWindows& windows, const FaceEntries& entries,
                             HWND textField)
{
    double start = NowMs();
    KeyDown(VK_CONTROL);
    PressKey('K');
    KeyUp(VK_CONTROL);
    bool shown = PollUntil(
        [&] {
            AnswerMessages();
            return PopupShows(windows, entries, textField);
        },
        ResultTimeoutMs);
    return shown ? NowMs() - start : -1.0;
}

bool CloseWithEscape(const PickerWindows& windows, HWND textField)
{
    PressKey(VK_ESCAPE);
    return PollUntil(
        [&] {
            AnswerMessages();
            return !IsWindowVisible(windows.popupCombo) && GetForegroundWindow() == textField;
        },
        ResultTimeoutMs);
}

// One keystroke: the field gets its new text, the pop-up filters and fills the first rows; then
// every message until the list is whole, the longest of them counted.
double KeystrokeUntilWhole(const PickerWindows& windows, const std::string& text,
                           const std::vector<std::string>& expected)
{
    double start = NowMs();
    SendMessageA(windows.popupField, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    double longest = NowMs() - start;
    LRESULT count = -1;
    DWORD begun = GetTickCount();
    while (count != static_cast<LRESULT>(expected.size())) {
        if (GetTickCount() - begun > ResultTimeoutMs) {
            return -1.0;
        }
        double asked = NowMs();
        count = SendMessageW(windows.popupList, LB_GETCOUNT, 0, 0);
        longest = std::max(longest, NowMs() - asked);
    }
    int last = static_cast<int>(expected.size()) - 1;
    bool right = expected.empty() || (ListItem(windows.popupList, 0) == expected.front() &&
                                      ListItem(windows.popupList, last) == expected.back() &&
                                      ListItem(windows.popupList, last / 2) == expected[last / 2]);
    return right ? longest : -1.0;
}

int MeasureSize(std::size_t size)
{
    FaceEntries entries = GenerateEntries(size);
    WorkDir dir;
    dir.Write("Vemplor.txt", FormatListFile(entries));
    dir.WriteSetting("AutoPaste", "0");
    RunningPicker picker(dir);
    const std::string label = std::to_string(size) + " entries";
    if (!picker.Started()) {
        return Report("the picker did not start, " + label, {}, 0);
    }
    const PickerWindows& windows = picker.Windows();
    HWND textField = OpenTextField();
    PollUntil(
        [&] {
            AnswerMessages();
            return GetForegroundWindow() == textField;
        },
        ResultTimeoutMs);

    std::vector<double> opening;
    for (int round = 0; round < HotKeyRounds; ++round) {
        opening.push_back(PressHotKeyUntilShown(windows, entries, textField));
        if (round + 1 < HotKeyRounds && !CloseWithEscape(windows, textField)) {
            opening.push_back(-1.0);
            break;
        }
    }
    const std::vector<std::string> sequence = TypingSequence();
    std::vector<std::vector<std::string>> expected;
    for (const std::string& filter : sequence) {
        expected.push_back(ExpectedShownFaces(entries, filter));
    }
    std::vector<std::vector<double>> rounds(sequence.size());
    for (int round = 0; round < TypingRounds; ++round) {
        for (std::size_t k = 0; k < sequence.size(); ++k) {
            rounds[k].push_back(KeystrokeUntilWhole(windows, sequence[k], expected[k]));
        }
    }
    std::vector<double> keystrokes;
    for (const std::vector<double>& times : rounds) {
        bool right = *std::min_element(times.begin(), times.end()) >= 0;
        keystrokes.push_back(right ? Median(times) : -1.0);
    }
    CloseWithEscape(windows, textField);
    DestroyWindow(textField);
    picker.RequestClose();
    picker.WaitForExit(ResultTimeoutMs);
    int verdict = Report("Ctrl+K until the pop-up is drawn, " + label, opening, OpenGoalMs(size));
    return std::max(verdict, Report("a keystroke in the pop-up until its list is whole, " + label,
                                    keystrokes, KeystrokeGoalMs(size)));
}

} // namespace

int main()
{
    SetConsoleOutputCP(CP_UTF8);
    std::printf("The hotkey's pop-up, at the caret of a text field:\n");
    int verdict = 0;
    for (std::size_t size : ListSizes) {
        verdict = std::max(verdict, MeasureSize(size));
    }
    return verdict;
}
