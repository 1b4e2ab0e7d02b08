#include "settings/settings_table.h"

#include "resource.h"
#include "settings/setting_values.h"

namespace {

const ReadRule Number = ReadRule::Number;
const ReadRule NonZero = ReadRule::OnIfNonZero;
const ReadRule One = ReadRule::OnIfOne;
const ReadRule Text = ReadRule::Text;
using Shown = OptionControl;
using Record = SettingsRecord;

} // namespace

// key, default, start-up rule, dialog rule, control, control id, field
const SettingKey SettingKeys[25] = {
    {"TopMost", "1", NonZero, One, Shown::CheckBox, IDC_TOP_MOST, &Record::TopMost},
    {"SavePosition", "1", One, One, Shown::CheckBox, IDC_SAVE_POSITION, &Record::SavePosition},
    {"TrayIcon", "1", One, NonZero, Shown::CheckBox, IDC_TRAY_ICON, &Record::TrayIcon},
    {"Close", "1", ReadRule::Unread, One, Shown::CheckBox, IDC_CLOSE_EXITS, nullptr},
    {"ToolTip", "1", One, One, Shown::CheckBox, IDC_TOOL_TIP, &Record::ToolTip},
    {"FontName", "ＭＳ Ｐゴシック", Text, Text, Shown::FontFaceList, IDC_FONT_NAME, nullptr},
    {"FontStyle", "0", Number, Number, Shown::FontStyleList, IDC_FONT_STYLE, &Record::FontStyle},
    {"FontSize", "12", Number, Number, Shown::FontSizeList, IDC_FONT_SIZE, &Record::FontSize},
    {"TopMove", "1", NonZero, NonZero, Shown::CheckBox, IDC_TOP_MOVE, &Record::TopMove},
    {"AutoPaste", "1", NonZero, NonZero, Shown::CheckBox, IDC_AUTO_PASTE, &Record::AutoPaste},
    {"PasteTime", "100", Number, Number, Shown::DelayBox, IDC_PASTE_TIME, &Record::PasteTime},
    {"PasteKey", "0", Number, Number, Shown::PasteKeyList, IDC_PASTE_KEY, &Record::PasteKey},
    {"AutoHide", "0", NonZero, NonZero, Shown::CheckBox, IDC_AUTO_HIDE, &Record::AutoHide},
    {"Transparent", "0", NonZero, NonZero, Shown::CheckBox, IDC_TRANSPARENT, &Record::Transparent},
    {"Alpha", "128", Number, Number, Shown::AlphaSlider, IDC_ALPHA, &Record::Alpha},
    {"HideTime", "1000", Number, Number, Shown::DelayBox, IDC_HIDE_TIME, &Record::HideTime},
    {"Icon", "0", One, One, Shown::CheckBox, IDC_ICONIFY, &Record::Icon},
    {"HotKeys", "587", Number, Number, Shown::HotKeyBox, IDC_HOT_KEYS, &Record::HotKeys},
    {"HotKey", "1", One, One, Shown::CheckBox, IDC_HOT_KEY, &Record::HotKey},
    {"PopupAt", "0", One, One, Shown::CheckBox, IDC_POPUP_AT_MOUSE, &Record::PopupAt},
    {"AutoPulldown", "0", NonZero, One, Shown::CheckBox, IDC_AUTO_PULLDOWN, &Record::AutoPulldown},
    {"Return", "0", One, One, Shown::CheckBox, IDC_RETURN, &Record::Return},
    {"Char", "0", Number, Number, Shown::ConversionRadios, IDC_CHAR_NONE, &Record::Char},
    {"Filter", "1", NonZero, One, Shown::CheckBox, IDC_FILTER, &Record::Filter},
    {"ReadingSearch", "1", NonZero, NonZero, Shown::CheckBox, IDC_READING_SEARCH,
     &Record::ReadingSearch},
};

int SettingValueBy(ReadRule rule, const char* text)
{
    switch (rule) {
    case ReadRule::OnIfNonZero: return SettingOnIfNonZero(text);
    case ReadRule::OnIfOne: return SettingOnIfOne(text);
    default: return ParseSettingInt(text);
    }
}
