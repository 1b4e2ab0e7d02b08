#pragma once
// What must hold for any input at all to the code that reads outside input. The fuzz targets
// search for inputs that break one of these; the unit tests replay the seeds and every input
// that ever broke one.
#include <string>

using PropertyCheck = bool (*)(const std::string& input);

struct FuzzTarget {
    const char* name;
    PropertyCheck check;
};

// The list file: load(save(load(x))) = load(x), the save is the same each time, one line per
// entry; and every entry is handed to controls as a complete text.
bool CheckFaceFileText(const std::string& input);
// The filter file: one filter per line, and the lines put back together are the file.
bool CheckFilterFileText(const std::string& input);
// Stored setting values read as the C library reads integers, clamped to int; the font name
// is cut to whole characters.
bool CheckSettingValues(const std::string& input);
// The first line is the filter, the rest a list file: exactly the entries containing the
// filter are shown, in list order.
bool CheckFaceFilter(const std::string& input);

// Any bytes of a list file, decoded and encoded again, are the same bytes; a list saved in the
// file's encoding reads back as the same lines.
bool CheckListEncoding(const std::string& input);

// The settings file: a key written is read back as written, writing it again changes nothing,
// and every other key reads as before.
bool CheckIniText(const std::string& input);
// The input as UTF-16 is a filter, a line end, then a face, a TAB and a tag: a face or tag that
// holds the folded filter is found; romaji never finds a face; while the filter is typed, each
// shorter part of it that does not end just before a voiced mark finds what it finds; folding
// twice is folding once.
bool CheckReadingMatch(const std::string& input);

extern const FuzzTarget FuzzTargets[7];

// Stops the fuzzer with a crash report when a property does not hold.
void RequireProperty(bool holds);
