#include "settings/load_settings.h"

#include "settings/setting_values.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

namespace {

int ReadOnIfNonZero(const char* key, const char* defaultText)
{
    char value[32];
    ReadSetting(key, defaultText, value);
    return SettingOnIfNonZero(value);
}

int ReadOnIfOne(const char* key, const char* defaultText)
{
    char value[32];
    ReadSetting(key, defaultText, value);
    return SettingOnIfOne(value);
}

} // namespace

void LoadSettings()
{
    Settings.TopMost = ReadOnIfNonZero("TopMost", "1");
    Settings.SavePosition = ReadOnIfOne("SavePosition", "1");
    Settings.Filter = ReadOnIfNonZero("Filter", "1");
    Settings.TrayIcon = ReadOnIfOne("TrayIcon", "1");
    Settings.ToolTip = ReadOnIfOne("ToolTip", "1");
    Settings.FontSize = ReadSettingInt("FontSize", "12");
    Settings.FontStyle = ReadSettingInt("FontStyle", "0");
    ReadSetting("FontName", "ＭＳ Ｐゴシック", Settings.FontName);
    Settings.TopMove = ReadOnIfNonZero("TopMove", "1");
    Settings.AutoPaste = ReadOnIfNonZero("AutoPaste", "1");
    Settings.PasteTime = ReadSettingInt("PasteTime", "100");
    Settings.PasteKey = ReadSettingInt("PasteKey", "0");
    Settings.AutoHide = ReadOnIfNonZero("AutoHide", "0");
    Settings.Transparent = ReadOnIfNonZero("Transparent", "0");
    Settings.Alpha = ReadSettingInt("Alpha", "128");
    Settings.HideTime = ReadSettingInt("HideTime", "1000");
    Settings.Icon = ReadOnIfOne("Icon", "0");
    // The combination is only looked at when the hotkey is on.
    Settings.HotKey = ReadOnIfOne("HotKey", "1");
    Settings.HotKeys = Settings.HotKey ? ReadSettingInt("HotKeys", "587") : 0;
    Settings.AutoPulldown = ReadOnIfNonZero("AutoPulldown", "0");
    Settings.Return = ReadOnIfOne("Return", "0");
    Settings.Char = ReadSettingInt("Char", "0");
}
