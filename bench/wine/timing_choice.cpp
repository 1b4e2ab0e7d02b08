// Choice: from Enter in the open list until the entry has moved and is on the clipboard.
#include <algorithm>
#include <cstdio>

#include "picker_timing.h"

namespace {

const DWORD ClipboardTimeoutMs = 2000;
const int ChoiceRounds = 21;

enum ListPlace { NearTop, Middle, NearEnd };

const ListPlace ChoicePlaces[] = {NearTop, Middle, NearEnd};
const char* const ChoicePlaceNames[] = {"top", "middle", "end"};

int IndexAt(ListPlace place, int count)
{
    switch (place) {
    case NearTop: return std::min(3, count - 1);
    case Middle: return count / 2;
    case NearEnd: return count - 1;
    }
    return 0;
}

void MoveToTop(std::vector<std::string>& texts, std::size_t index)
{
    std::rotate(texts.begin(), texts.begin() + static_cast<std::ptrdiff_t>(index),
                texts.begin() + static_cast<std::ptrdiff_t>(index) + 1);
}

// A choice of shown row index, as the picker makes it: with no filter that entry moves to the
// top with its tag; under a filter the chosen row moves to the top of the shown list, and the
// first equal face of the whole list moves to the top with its own tag.
void ModelChoice(ChoiceModel& model, std::size_t index)
{
    FaceEntries& entries = *model.entries;
    if (model.filter.empty()) {
        MoveToTop(entries.faces, index);
        MoveToTop(entries.tags, index);
        return;
    }
    for (std::size_t i = 0; i < entries.faces.size(); ++i) {
        if (entries.faces[i] == model.shownFaces[index]) {
            MoveToTop(entries.faces, i);
            MoveToTop(entries.tags, i);
            break;
        }
    }
    MoveToTop(model.shownFaces, index);
}

// The CF_TEXT bytes on the clipboard, up to their terminating zero. Another process may hold
// the clipboard open for a moment, so opening is retried for a while.
bool ReadClipboardText(std::string& text)
{
    text.clear();
    if (!PollUntil([] { return OpenClipboard(nullptr) != 0; }, ClipboardTimeoutMs)) {
        return false;
    }
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* bytes = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (bytes != nullptr) {
        text.assign(bytes, std::find(bytes, bytes + GlobalSize(data), '\0'));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return bytes != nullptr;
}

// After a choice the clipboard has been written anew with exactly the chosen text, and FaceCombo
// keeps its count and shows the chosen text as item 0, selected. A thorough check also compares
// a spread of items, and the old place of the chosen one and its neighbour, with the model.
bool CheckChoice(const PickerProcess& picker, const ChoiceModel& model, const std::string& chosen,
                 int index, DWORD sequenceBefore, bool thorough, std::string& problem)
{
    if (GetClipboardSequenceNumber() == sequenceBefore) {
        problem = "the clipboard was not written";
        return false;
    }
    std::string clipboard;
    if (!ReadClipboardText(clipboard)) {
        problem = "no text on the clipboard";
        return false;
    }
    if (clipboard != chosen) {
        problem = "the clipboard holds \"" + Utf8Of(clipboard) + "\", expected \"" +
                  Utf8Of(chosen) + "\"";
        return false;
    }
    const std::vector<std::string>& shown = ShownFaces(model);
    HWND faceCombo = picker.windows.faceCombo;
    int count = ComboCount(faceCombo);
    if (count != static_cast<int>(shown.size()) || ComboSelection(faceCombo) != 0 ||
        ComboItem(faceCombo, 0) != chosen) {
        problem = "FaceCombo holds " + std::to_string(count) + " items with " +
                  std::to_string(ComboSelection(faceCombo)) + " selected and item 0 \"" +
                  Utf8Of(ComboItem(faceCombo, 0)) + "\"";
        return false;
    }
    if (!thorough) {
        return true;
    }
    if (!ShowsExactly(picker, shown, model.entries->faces.size(), problem)) {
        return false;
    }
    for (int place = index; place <= index + 1 && place < count; ++place) {
        std::string item = ComboItem(faceCombo, place);
        if (item != shown[static_cast<std::size_t>(place)]) {
            problem = "item " + std::to_string(place) + " is \"" + Utf8Of(item) +
                      "\", expected \"" + Utf8Of(shown[static_cast<std::size_t>(place)]) + "\"";
            return false;
        }
    }
    return true;
}

// A choice reaches the clipboard within 5 ms with 10,000 entries and within 50 ms with 100,000,
// not counting the paste delay, which these runs switch off. Other sizes have no goal (0) and
// are shown for comparison.
double ChoiceGoalMs(std::size_t entries)
{
    return entries == 10000 ? 5.0 : entries == 100000 ? 50.0 : 0.0;
}

} // namespace

const std::vector<std::string>& ShownFaces(const ChoiceModel& model)
{
    return model.filter.empty() ? model.entries->faces : model.shownFaces;
}

bool ApplyFilter(const PickerProcess& picker, ChoiceModel& model, const std::string& text,
                 std::string& problem)
{
    TypeFilter(picker, text);
    model.filter = text;
    model.shownFaces.clear();
    if (!text.empty()) {
        model.shownFaces = ExpectedShownFaces(*model.entries, text);
    }
    if (!WaitFilled(picker, static_cast<int>(ShownFaces(model).size()))) {
        problem = "after filter \"" + Utf8Of(text) + "\": the list was not filled";
        return false;
    }
    if (!ShowsExactly(picker, ShownFaces(model), model.entries->faces.size(), problem)) {
        problem = "after filter \"" + Utf8Of(text) + "\": " + problem;
        return false;
    }
    return true;
}

// FaceCombo's list opens with the item highlighted, then Enter confirms it. Only the
// confirmation is timed; it returns once the list has closed and the picker has moved the entry
// and filled the clipboard.
bool ChooseAndCheck(const PickerProcess& picker, ChoiceModel& model, int index, bool thorough,
                    double& elapsedMs, std::string& problem)
{
    const std::string chosen = ShownFaces(model)[static_cast<std::size_t>(index)];
    DWORD sequence = GetClipboardSequenceNumber();
    if (!OpenListAt(picker.windows.faceCombo, index)) {
        problem = "FaceCombo refused to select item " + std::to_string(index);
        return false;
    }
    double start = NowMs();
    ConfirmOpenList(picker.windows.faceCombo);
    elapsedMs = NowMs() - start;
    ModelChoice(model, static_cast<std::size_t>(index));
    if (!CheckChoice(picker, model, chosen, index, sequence, thorough, problem)) {
        problem = "choosing item " + std::to_string(index) + " \"" + Utf8Of(chosen) +
                  "\": " + problem;
        return false;
    }
    return true;
}

// The places take turns so that a busy spell of the machine weighs on all alike. Afterwards the
// whole list is compared with the model, which checks the moves the filtered choices made in it.
void MeasureChoices(const PickerProcess& picker, FaceEntries& entries, bool detail,
                    SizeReport& report)
{
    if (entries.faces.size() > LongestTypedList) {
        return;
    }
    const std::string filters[] = {std::string(), FilteredChoiceText};
    const std::size_t placeCount = sizeof ChoicePlaces / sizeof ChoicePlaces[0];
    ChoiceModel model;
    model.entries = &entries;
    // A selection change from a window that is none of the picker's lists, which it ignores:
    // the floor under every measured choice.
    report.ignoredChoiceMs = MedianMessageMs([&] {
        SendMessageA(picker.windows.picker, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(picker.windows.picker));
    });
    std::string problem;
    for (const std::string& filter : filters) {
        if (!ApplyFilter(picker, model, filter, problem)) {
            std::printf("  WRONG %s\n", problem.c_str());
            report.correct = false;
            return;
        }
        std::vector<std::vector<double>> times(placeCount);
        for (int round = 0; round < ChoiceRounds; ++round) {
            for (std::size_t p = 0; p < placeCount; ++p) {
                int index = IndexAt(ChoicePlaces[p], static_cast<int>(ShownFaces(model).size()));
                double elapsedMs = 0.0;
                if (!ChooseAndCheck(picker, model, index, true, elapsedMs, problem)) {
                    std::printf("  WRONG %s\n", problem.c_str());
                    report.correct = false;
                    return;
                }
                times[p].push_back(elapsedMs);
                report.choiceMs.push_back(elapsedMs);
            }
        }
        for (std::size_t p = 0; p < placeCount; ++p) {
            report.choicePositionMedianMs.push_back(Median(times[p]));
            if (detail) {
                std::string name = std::string(filter.empty() ? "" : "filtered ") +
                                   ChoicePlaceNames[p];
                std::printf("  choice %-16s %7zu shown  median %8.2f ms  max %8.2f ms\n",
                            name.c_str(), ShownFaces(model).size(), Median(times[p]),
                            Max(times[p]));
            }
        }
    }
    if (!ApplyFilter(picker, model, std::string(), problem)) {
        std::printf("  WRONG after the filtered choices, %s\n", problem.c_str());
        report.correct = false;
    }
}

// The verdict goes by the slowest place's median, which a stray pause of the machine cannot
// make, while the slowest single choice is shown beside it.
bool PrintChoiceTable(const std::vector<SizeReport>& reports)
{
    bool allMet = true;
    std::printf("\n| entries | choice median ms | choice max ms | slowest place median ms | "
                "floor ms | choice goal |\n");
    std::printf("|--------:|-----------------:|--------------:|------------------------:|"
                "---------:|:------------|\n");
    for (const SizeReport& report : reports) {
        if (report.choiceMs.empty()) {
            continue;
        }
        double slowestPlace = Max(report.choicePositionMedianMs);
        char goal[64] = "-";
        if (ChoiceGoalMs(report.entries) > 0.0) {
            bool met = slowestPlace <= ChoiceGoalMs(report.entries);
            allMet = allMet && met;
            wsprintfA(goal, "<= %d ms: %s", static_cast<int>(ChoiceGoalMs(report.entries)),
                      Verdict(met));
        }
        std::printf("| %13s | %16.2f | %13.2f | %23.2f | %8.2f | %-11s |\n",
                    EntriesCell(report).c_str(),
                    Median(report.choiceMs), Max(report.choiceMs), slowestPlace,
                    report.ignoredChoiceMs, goal);
    }
    std::printf("\nchoice: Enter in FaceCombo's open list until the list has closed and the "
                "picker has moved the entry to the top and put it on the clipboard, AutoPaste=0 "
                "(%d choices at each of the top, middle and end, with no filter and under the "
                "filter \"%s\"; each checked); floor: a WM_COMMAND the picker ignores "
                "(median)\n",
                ChoiceRounds, FilteredChoiceText);
    return allMet;
}
