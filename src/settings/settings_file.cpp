#include "settings/settings_file.h"

#include <windows.h>

#include "app/app_state.h"
#include "settings/setting_values.h"

void ReadSetting(const char* key, const char* defaultText, char (&buffer)[32])
{
    GetPrivateProfileStringA("Option", key, defaultText, buffer, sizeof buffer, SettingsFilePath);
}

namespace {

// A read-only settings file is the user's way of pinning the settings. The system refuses to
// write it only where the attribute is enforced, which it is not for a process with full rights.
bool SettingsFileIsReadOnly()
{
    DWORD attributes = GetFileAttributesA(SettingsFilePath);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

} // namespace

void WriteSetting(const char* key, const char* value)
{
    if (SettingsFileIsReadOnly()) {
        return;
    }
    WritePrivateProfileStringA("Option", key, value, SettingsFilePath);
}

int ReadSettingInt(const char* key, const char* defaultText)
{
    char buffer[32];
    ReadSetting(key, defaultText, buffer);
    return ParseSettingInt(buffer);
}
