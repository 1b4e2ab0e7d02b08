#pragma once
// One key of section "Option" of the settings file at a time; nothing of the file is cached.

// Reads key into buffer (32 bytes; a longer value arrives cut to 31 bytes). A null default
// gives an empty string for an absent key.
void ReadSetting(const char* key, const char* defaultText, char (&buffer)[32]);

// Writes one key, creating the file and the section when they are missing. The file is
// replaced whole, so a failed write (a full disk) leaves it as it was; a read-only file, or
// one that cannot be read, is left as it is.
void WriteSetting(const char* key, const char* value);

// Reads key and takes its integer value by the settings' integer rule.
int ReadSettingInt(const char* key, const char* defaultText);
