// Memory and resources: the picker's handles and private bytes over many choices, and its
// private bytes per entry shown.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "picker_timing.h"

namespace {

// Handles and memory are watched over this many choices on the list of ResourceListSize
// entries, sampled every ResourceSampleEvery choices; of each block of that many, the last
// FilteredPerBlock are made under FilteredChoiceText.
const std::size_t ResourceListSize = 1000;
const int ResourceChoices = 10000;
const int ResourceSampleEvery = 1000;
const int FilteredPerBlock = 200;

// How far the last sample may exceed the first and still count as flat. The byte tolerance is
// under 32 bytes a choice, less than the smallest heap block a choice could leak.
const long HandleTolerance = 8;
const long GuiObjectTolerance = 8;
const long long PrivateBytesTolerance = 256 * 1024;

// One row of the system's handle table (SystemExtendedHandleInformation).
struct SystemHandleEntry {
    void* object;
    ULONG_PTR processId;
    ULONG_PTR handle;
    ULONG grantedAccess;
    USHORT creatorBackTraceIndex;
    USHORT objectTypeIndex;
    ULONG handleAttributes;
    ULONG reserved;
};

const ULONG SystemExtendedHandleInformation = 64;
const LONG StatusInfoLengthMismatch = static_cast<LONG>(0xC0000004);
const std::size_t HandleTableLimit = 256u << 20;

typedef LONG(WINAPI* QuerySystemInformation)(ULONG, void*, ULONG, ULONG*);

// The handles of a process as the system's handle table lists them, or -1. Wine answers
// GetProcessHandleCount with 0 for every process but keeps this table.
long CountHandlesInSystemTable(DWORD processId)
{
    auto query = reinterpret_cast<QuerySystemInformation>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (query == nullptr) {
        return -1;
    }
    std::vector<char> table(1u << 20);
    for (;;) {
        ULONG needed = 0;
        LONG status = query(SystemExtendedHandleInformation, table.data(),
                            static_cast<ULONG>(table.size()), &needed);
        if (status == 0) {
            break;
        }
        if (status != StatusInfoLengthMismatch || table.size() >= HandleTableLimit) {
            return -1;
        }
        table.resize(std::max<std::size_t>(table.size() * 2, needed));
    }
    // The table is a count and a reserved word, then the rows; rows past the buffer are not read.
    const std::size_t header = 2 * sizeof(ULONG_PTR);
    ULONG_PTR rows = 0;
    std::memcpy(&rows, table.data(), sizeof rows);
    rows = std::min<ULONG_PTR>(rows, (table.size() - header) / sizeof(SystemHandleEntry));
    long count = 0;
    for (ULONG_PTR row = 0; row < rows; ++row) {
        SystemHandleEntry entry;
        std::memcpy(&entry, table.data() + header + row * sizeof entry, sizeof entry);
        if (entry.processId == processId) {
            ++count;
        }
    }
    return count;
}

// Whether a count stayed flat over the run, the last sample at most tolerance above the first,
// told in a line of the report in units of unitSize.
bool JudgeFlat(const char* name, long long first, long long last, long long tolerance,
               long long unitSize, const char* unit)
{
    bool flat = last <= first + tolerance;
    std::printf("%s: %s (first %lld%s, last %lld%s, tolerance +%lld%s)\n", name,
                flat ? "flat" : "GROWING", first / unitSize, unit, last / unitSize, unit,
                tolerance / unitSize, unit);
    return flat;
}

std::string CountText(long long count)
{
    return count < 0 ? std::string("n/a") : std::to_string(count);
}

} // namespace

// A running process always holds handles and private memory, so an answer of 0 means the
// system does not tell: the handles are then counted in the system's table, and the private
// bytes taken from PagefileUsage, which is the same commit charge (Wine leaves PrivateUsage 0).
ResourceSample SampleResources(const PROCESS_INFORMATION& process, int choices)
{
    ResourceSample sample;
    sample.choices = choices;
    sample.gdiObjects = static_cast<long>(GetGuiResources(process.hProcess, GR_GDIOBJECTS));
    sample.userObjects = static_cast<long>(GetGuiResources(process.hProcess, GR_USEROBJECTS));
    DWORD handles = 0;
    if (GetProcessHandleCount(process.hProcess, &handles) && handles > 0) {
        sample.handles = static_cast<long>(handles);
    } else {
        sample.handles = CountHandlesInSystemTable(process.dwProcessId);
        sample.handlesFromSystemTable = true;
    }
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory)) {
        sample.privateFromPagefileUsage = memory.PrivateUsage == 0;
        SIZE_T privateBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
        if (privateBytes > 0) {
            sample.privateBytes = static_cast<long long>(privateBytes);
        }
    }
    return sample;
}

// Many choices at random places, most with the filter text empty and some under a filter,
// each checked; at every sample the filter is cleared and the whole list compared with the
// model, so that a picker that stopped doing its work cannot pass for one that stays flat.
void MeasureResources(const PickerProcess& picker, FaceEntries& entries, bool detail,
                      SizeReport& report)
{
    if (entries.faces.size() != ResourceListSize) {
        return;
    }
    ChoiceModel model;
    model.entries = &entries;
    unsigned state = 19990301u;
    std::string problem;
    report.resources.push_back(SampleResources(picker.process, 0));
    for (int made = 0; made < ResourceChoices; ++made) {
        bool filtered = made % ResourceSampleEvery >= ResourceSampleEvery - FilteredPerBlock;
        if (filtered == model.filter.empty() &&
            !ApplyFilter(picker, model, filtered ? FilteredChoiceText : "", problem)) {
            break;
        }
        int index = static_cast<int>(NextRandom(state) % ShownFaces(model).size());
        double elapsedMs = 0.0;
        if (!ChooseAndCheck(picker, model, index, false, elapsedMs, problem)) {
            break;
        }
        if ((made + 1) % ResourceSampleEvery == 0) {
            if (!ApplyFilter(picker, model, std::string(), problem)) {
                break;
            }
            report.resources.push_back(SampleResources(picker.process, made + 1));
            if (detail) {
                std::printf("  resources after %d choices sampled\n", made + 1);
            }
        }
    }
    if (!problem.empty()) {
        std::printf("  WRONG during the handle count run, %s\n", problem.c_str());
        report.correct = false;
    }
}

// A picker that has windows owns USER objects, so a GetGuiResources answer of 0 means the
// system does not count them (Wine), which proves nothing either way and is reported as such
// rather than as flat.
bool PrintResourceTable(const SizeReport& report)
{
    const ResourceSample& first = report.resources.front();
    const ResourceSample& last = report.resources.back();
    bool guiCounted = first.userObjects > 0 && first.gdiObjects > 0;
    std::printf("\nresources of the picker over %d choices with %zu entries:\n\n",
                last.choices, report.entries);
    std::printf("| choices | GDI objects | USER objects | handles | private KB |\n");
    std::printf("|--------:|------------:|-------------:|--------:|-----------:|\n");
    for (const ResourceSample& sample : report.resources) {
        std::printf("| %7d | %11s | %12s | %7s | %10s |\n", sample.choices,
                    guiCounted ? CountText(sample.gdiObjects).c_str() : "n/a",
                    guiCounted ? CountText(sample.userObjects).c_str() : "n/a",
                    CountText(sample.handles).c_str(),
                    CountText(sample.privateBytes < 0 ? -1 : sample.privateBytes / 1024).c_str());
    }
    std::printf("\n");
    bool allMet = true;
    if (guiCounted) {
        allMet = JudgeFlat("GDI objects", first.gdiObjects, last.gdiObjects, GuiObjectTolerance, 1,
                           "");
        allMet = JudgeFlat("USER objects", first.userObjects, last.userObjects,
                           GuiObjectTolerance, 1, "") &&
                 allMet;
    } else {
        std::printf("GDI and USER objects: not available under Wine (GetGuiResources answers %ld "
                    "and %ld for a process with windows); not judged\n",
                    first.gdiObjects, first.userObjects);
    }
    if (first.handles > 0 && last.handles > 0) {
        allMet = JudgeFlat(first.handlesFromSystemTable
                               ? "handles (system handle table; GetProcessHandleCount answers 0)"
                               : "handles",
                           first.handles, last.handles, HandleTolerance, 1, "") &&
                 allMet;
    } else {
        std::printf("handles: not available; not judged\n");
    }
    if (first.privateBytes > 0 && last.privateBytes > 0) {
        allMet = JudgeFlat(first.privateFromPagefileUsage
                               ? "private bytes (PagefileUsage; PrivateUsage answers 0)"
                               : "private bytes",
                           first.privateBytes, last.privateBytes, PrivateBytesTolerance, 1024,
                           " KB") &&
                 allMet;
    } else {
        std::printf("private bytes: not available; not judged\n");
    }
    return allMet;
}

// The picker's private bytes with the whole list shown, less those with the empty list, per
// entry. Linear when a long list costs no more per entry than one a tenth as long, give or take
// a quarter.
bool PrintMemoryTable(const std::vector<SizeReport>& reports)
{
    const SizeReport& empty = reports.front();
    if (empty.filledPrivateBytes.empty() || empty.filledPrivateBytes.front() <= 0) {
        std::printf("\nprivate bytes: not available; not judged\n");
        return true;
    }
    double base = Median(empty.filledPrivateBytes);
    bool allMet = true;
    double previousPerEntry = 0.0;
    std::printf("\n| entries | private KB, whole list shown | bytes per entry | memory goal |\n");
    std::printf("|--------:|-----------------------------:|----------------:|:------------|\n");
    for (const SizeReport& report : reports) {
        if (report.entries < LongestTypedList || report.filledPrivateBytes.empty()) {
            continue;
        }
        double shown = Median(report.filledPrivateBytes);
        double perEntry = (shown - base) / static_cast<double>(report.entries);
        std::string goal = "-";
        // A UTF-8 list's kana take three bytes, not two: it is not held to the others' line.
        if (!report.utf8) {
            if (previousPerEntry > 0.0) {
                bool met = perEntry <= previousPerEntry * 1.25;
                allMet = allMet && met;
                goal = std::string("linear: ") + Verdict(met);
            }
            previousPerEntry = perEntry;
        }
        std::printf("| %13s | %28.0f | %15.1f | %-11s |\n", EntriesCell(report).c_str(),
                    shown / 1024, perEntry, goal.c_str());
    }
    return allMet;
}
