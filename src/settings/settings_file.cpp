#include "settings/settings_file.h"

#include <algorithm>
#include <string>

#include "settings/ini_text.h"
#include "settings/setting_values.h"
#include "store/face_file.h"
#include "store/file_replace.h"

// The file is read as bytes, not through the system's profile functions, which pass it through
// the system's code page: the Shift-JIS font name must arrive whatever that code page is.
std::string SettingsFileContents(const char* path)
{
    std::string contents;
    ReadWholeFile(path, contents);
    return contents;
}

void ReadSetting(const std::string& contents, const char* key, const char* defaultText,
                 char (&buffer)[32])
{
    std::string value;
    if (!FindIniValue(contents, "Option", key, value)) {
        value = defaultText ? defaultText : "";
    }
    std::size_t length = std::min(value.size(), sizeof buffer - 1);
    value.copy(buffer, length);
    buffer[length] = '\0';
}

int ReadSettingInt(const char* path, const char* key, const char* defaultText)
{
    char buffer[32];
    ReadSetting(SettingsFileContents(path), key, defaultText, buffer);
    return ParseSettingInt(buffer);
}

// The system's own profile writing rewrites the file in place, so a full disk cuts it; the
// whole file is written beside it instead and then takes its place. A read-only file, the
// user's way of pinning the settings, is left as it is, and so is one that another program
// holds: it is not replaced by what little could be read.
void WriteSettings(const char* path, const SettingValues& values)
{
    std::string contents;
    if (ReadWholeFile(path, contents) == FileRead::Failed) {
        return;
    }
    for (const SettingValue& value : values) {
        contents = WithIniValue(contents, "Option", value.key, value.text);
    }
    ReplaceFileContents(path, contents);
}
