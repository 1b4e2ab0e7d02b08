// OK in the options dialog: every key the dialog edits is written, in one replacement of the
// file; the Settings record takes the same values, and the whole record is put into effect at
// once.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/apply_settings.h"
#include "app/options_dialog.h"
#include "app/picker_font.h"
#include "app/window_layout.h"
#include "resource.h"
#include "settings/setting_values.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "view/edit_mode.h"
#include "view/picker_controls.h"

namespace {

int StoreFlag(HWND dialog, int id, const char* key, SettingValues& values)
{
    bool ticked = IsDlgButtonChecked(dialog, id) == BST_CHECKED;
    values.push_back({key, ticked ? "1" : "0"});
    return ticked ? 1 : 0;
}

int StoreNumber(const char* key, int value, SettingValues& values)
{
    values.push_back({key, std::to_string(value)});
    return value;
}

int SelectedIndex(HWND dialog, int id)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

// The delay boxes hold what the file held or what the arrows made; stored as shown.
int StoreDelay(HWND dialog, int id, const char* key, SettingValues& values)
{
    char text[8];
    GetDlgItemTextA(dialog, id, text, sizeof text);
    values.push_back({key, text});
    return ParseSettingInt(text);
}

// The face the font mapper actually gave the picker, for a stored face that is not installed.
void ShownFaceName(char (&faceName)[256])
{
    HDC context = GetDC(FaceCombo);
    HGDIOBJ previous = SelectObject(context, PickerFont);
    GetTextFaceA(context, sizeof faceName, faceName);
    SelectObject(context, previous);
    ReleaseDC(FaceCombo, context);
}

// The selected entry's text; false when nothing is selected or the text would not fit.
bool SelectedText(HWND dialog, int id, char* text, LRESULT capacity)
{
    HWND combo = GetDlgItem(dialog, id);
    int index = SelectedIndex(dialog, id);
    if (index < 0 || SendMessageA(combo, CB_GETLBTEXTLEN, index, 0) >= capacity) {
        return false;
    }
    SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return true;
}

void StoreFont(HWND dialog, SettingValues& values)
{
    char faceName[256] = {};
    if (!SelectedText(dialog, IDC_FONT_NAME, faceName, sizeof faceName)) {
        ShownFaceName(faceName);
    }
    CopyFaceName(Settings.FontName, faceName);
    values.push_back({"FontName", Settings.FontName});

    Settings.FontStyle = StoreNumber("FontStyle", SelectedIndex(dialog, IDC_FONT_STYLE), values);

    char size[8] = {};
    SelectedText(dialog, IDC_FONT_SIZE, size, sizeof size);
    values.push_back({"FontSize", size});
    Settings.FontSize = ParseSettingInt(size);
}

int StoreConversion(HWND dialog, SettingValues& values)
{
    int conversion = 0;
    if (IsDlgButtonChecked(dialog, IDC_CHAR_NONE) == BST_CHECKED) {
        conversion = 0;
    } else if (IsDlgButtonChecked(dialog, IDC_CHAR_TO_HALF) == BST_CHECKED) {
        conversion = 1;
    } else if (IsDlgButtonChecked(dialog, IDC_CHAR_TO_FULL) == BST_CHECKED) {
        conversion = 2;
    }
    return StoreNumber("Char", conversion, values);
}

} // namespace

void ApplyOptions(HWND dialog)
{
    SettingValues values;
    Settings.TopMost = StoreFlag(dialog, IDC_TOP_MOST, "TopMost", values);
    Settings.SavePosition = StoreFlag(dialog, IDC_SAVE_POSITION, "SavePosition", values);
    Settings.TrayIcon = StoreFlag(dialog, IDC_TRAY_ICON, "TrayIcon", values);
    StoreFlag(dialog, IDC_CLOSE_EXITS, "Close", values);
    Settings.ToolTip = StoreFlag(dialog, IDC_TOOL_TIP, "ToolTip", values);
    StoreFont(dialog, values);
    Settings.TopMove = StoreFlag(dialog, IDC_TOP_MOVE, "TopMove", values);
    Settings.AutoPaste = StoreFlag(dialog, IDC_AUTO_PASTE, "AutoPaste", values);
    Settings.PasteTime = StoreDelay(dialog, IDC_PASTE_TIME, "PasteTime", values);
    Settings.PasteKey = StoreNumber("PasteKey", SelectedIndex(dialog, IDC_PASTE_KEY), values);
    Settings.AutoHide = StoreFlag(dialog, IDC_AUTO_HIDE, "AutoHide", values);
    Settings.Transparent = StoreFlag(dialog, IDC_TRANSPARENT, "Transparent", values);
    Settings.Alpha = StoreNumber(
        "Alpha", static_cast<int>(SendDlgItemMessageA(dialog, IDC_ALPHA, TBM_GETPOS, 0, 0)),
        values);
    Settings.HideTime = StoreDelay(dialog, IDC_HIDE_TIME, "HideTime", values);
    Settings.Icon = StoreFlag(dialog, IDC_ICONIFY, "Icon", values);
    Settings.HotKeys = StoreNumber(
        "HotKeys",
        static_cast<int>(SendDlgItemMessageA(dialog, IDC_HOT_KEYS, HKM_GETHOTKEY, 0, 0) & 0xFFFF),
        values);
    Settings.HotKey = StoreFlag(dialog, IDC_HOT_KEY, "HotKey", values);
    Settings.AutoPulldown = StoreFlag(dialog, IDC_AUTO_PULLDOWN, "AutoPulldown", values);
    Settings.Return = StoreFlag(dialog, IDC_RETURN, "Return", values);
    Settings.Char = StoreConversion(dialog, values);
    Settings.Filter = StoreFlag(dialog, IDC_FILTER, "Filter", values);
    WriteSettings(values);
    // The new settings are laid out for the picker, not for the table.
    LeaveEditMode();
    ApplySettings(LayoutModeSwitch);
}
