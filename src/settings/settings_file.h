#pragma once
// Keys of section "Option" of the settings file at path; nothing of the file is cached.
#include <string>
#include <vector>

// A text to store under a key.
struct SettingValue {
    const char* key;
    std::string text;
};
typedef std::vector<SettingValue> SettingValues;

// The file's bytes, read once for many keys; empty when it cannot be read.
std::string SettingsFileContents(const char* path);

// Reads key from those bytes into buffer (32 bytes; a longer value arrives cut to 31 bytes). A
// null default gives an empty string for an absent key.
void ReadSetting(const std::string& contents, const char* key, const char* defaultText,
                 char (&buffer)[32]);

// Reads key and takes its integer value by the settings' integer rule.
int ReadSettingInt(const char* path, const char* key, const char* defaultText);

// Writes the keys, in order, creating the file and the section when they are missing. The file
// is replaced whole, once for them all, so a failed write (a full disk) leaves it as it was; a
// read-only file, or one that cannot be read, is left as it is.
void WriteSettings(const char* path, const SettingValues& values);
