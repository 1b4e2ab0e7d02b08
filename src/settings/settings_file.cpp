#include "settings/settings_file.h"

#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "app/app_state.h"
#include "settings/ini_text.h"
#include "settings/setting_values.h"
#include "store/file_replace.h"

void ReadSetting(const char* key, const char* defaultText, char (&buffer)[32])
{
    GetPrivateProfileStringA("Option", key, defaultText, buffer, sizeof buffer, SettingsFilePath);
}

namespace {

// The settings file's bytes; a missing file reads as empty. False when it is there but cannot
// be read whole (another program holds it), so that it is not replaced by what little was read.
bool ReadSettingsFile(std::string& contents)
{
    contents.clear();
    std::FILE* file = std::fopen(SettingsFilePath, "rb");
    if (file == nullptr) {
        return errno == ENOENT;
    }
    char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        contents.append(chunk, got);
    }
    bool whole = std::ferror(file) == 0;
    std::fclose(file);
    return whole;
}

} // namespace

// The system's own profile writing rewrites the file in place, so a full disk cuts it; the
// whole file is written beside it instead and then takes its place. A read-only file, the
// user's way of pinning the settings, is left as it is.
void WriteSetting(const char* key, const char* value)
{
    std::string contents;
    if (ReadSettingsFile(contents)) {
        ReplaceFileContents(SettingsFilePath, WithIniValue(contents, "Option", key, value));
    }
}

int ReadSettingInt(const char* key, const char* defaultText)
{
    char buffer[32];
    ReadSetting(key, defaultText, buffer);
    return ParseSettingInt(buffer);
}
