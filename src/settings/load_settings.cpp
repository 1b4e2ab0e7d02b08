#include "settings/load_settings.h"

#include "app/app_state.h"
#include "app/popup_hotkey.h"
#include "app/transparency.h"
#include "app/tray_icon.h"
#include "settings/picker_font.h"
#include "settings/setting_values.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "view/picker_controls.h"

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

void ApplyPosition(HWND pickerWindow)
{
    Settings.TopMost = ReadOnIfNonZero("TopMost", "1");
    int left = ReadSettingInt("Left", nullptr);
    int top = ReadSettingInt("Top", nullptr);
    SetWindowPos(pickerWindow, Settings.TopMost ? HWND_TOPMOST : HWND_NOTOPMOST, left, top, 0, 0,
                 SWP_NOSIZE);
}

// With the filter box off, FaceCombo takes the whole row.
void ApplyFilterVisibility(HWND pickerWindow)
{
    Settings.Filter = ReadOnIfNonZero("Filter", "1");
    if (Settings.Filter) {
        return;
    }
    ShowWindow(FilterCombo, SW_HIDE);
    RECT client = {};
    GetClientRect(pickerWindow, &client);
    RECT face = {};
    GetWindowRect(FaceCombo, &face);
    SetWindowPos(FaceCombo, nullptr, 0, 0, client.right - client.left, face.bottom - face.top,
                 SWP_NOZORDER);
}

void ApplyTrayIcon()
{
    Settings.TrayIcon = ReadOnIfOne("TrayIcon", "1");
    if (Settings.TrayIcon) {
        SetTrayIcon(NIM_ADD);
    }
}

void ApplyFont(HWND pickerWindow)
{
    int fontSize = ReadSettingInt("FontSize", "12");
    int fontStyle = ReadSettingInt("FontStyle", "0");
    char fontName[32];
    ReadSetting("FontName", "ＭＳ Ｐゴシック", fontName);
    CreatePickerFont(pickerWindow, fontSize, fontStyle, fontName);
}

void ApplyHotKey()
{
    Settings.HotKey = ReadOnIfOne("HotKey", "1");
    if (Settings.HotKey) {
        RegisterPopupHotKey(ReadSettingInt("HotKeys", "587"));
    }
}

} // namespace

void LoadSettings(HWND pickerWindow)
{
    ApplyPosition(pickerWindow);
    Settings.SavePosition = ReadOnIfOne("SavePosition", "1");
    ApplyFilterVisibility(pickerWindow);
    ApplyTrayIcon();
    Settings.ToolTip = ReadOnIfOne("ToolTip", "1");
    ApplyFont(pickerWindow);
    Settings.TopMove = ReadOnIfNonZero("TopMove", "1");
    Settings.AutoPaste = ReadOnIfNonZero("AutoPaste", "1");
    AutoPasteArmed = Settings.AutoPaste;
    Settings.PasteTime = ReadSettingInt("PasteTime", "100");
    Settings.PasteKey = ReadSettingInt("PasteKey", "0");
    Settings.AutoHide = ReadOnIfNonZero("AutoHide", "0");
    AutoHideArmed = Settings.AutoHide;
    Settings.Transparent = ReadOnIfNonZero("Transparent", "0");
    Settings.Alpha = ReadSettingInt("Alpha", "128");
    ApplyTransparency();
    Settings.HideTime = ReadSettingInt("HideTime", "1000");
    Settings.Icon = ReadOnIfOne("Icon", "0");
    ApplyHotKey();
    Settings.AutoPulldown = ReadOnIfNonZero("AutoPulldown", "0");
    Settings.Return = ReadOnIfOne("Return", "0");
    Settings.Char = ReadSettingInt("Char", "0");
}
