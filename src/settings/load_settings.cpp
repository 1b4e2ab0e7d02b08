#include "settings/load_settings.h"

#include "settings/settings_file.h"
#include "settings/settings_table.h"

void LoadSettings(SettingsRecord& settings, const char* path)
{
    const std::string contents = SettingsFileContents(path);
    for (const SettingKey& setting : SettingKeys) {
        if (setting.startUp == ReadRule::Text) {
            ReadSetting(contents, setting.key, setting.defaultText, settings.FontName);
        } else if (setting.field != nullptr) {
            char stored[32];
            ReadSetting(contents, setting.key, setting.defaultText, stored);
            settings.*setting.field = SettingValueBy(setting.startUp, stored);
        }
    }
}
