#include "settings/settings_file.h"

#include <windows.h>

#include "app/app_state.h"
#include "settings/setting_values.h"

void ReadSetting(const char* key, const char* defaultText, char (&buffer)[32])
{
    GetPrivateProfileStringA("Option", key, defaultText, buffer, sizeof buffer, SettingsFilePath);
}

void WriteSetting(const char* key, const char* value)
{
    WritePrivateProfileStringA("Option", key, value, SettingsFilePath);
}

int ReadSettingInt(const char* key, const char* defaultText)
{
    char buffer[32];
    ReadSetting(key, defaultText, buffer);
    return ParseSettingInt(buffer);
}
