// OK in the options dialog: every key the dialog edits is written, the Settings record takes the
// same values, and the whole record is put into effect at once.
#include <windows.h>
#include <commctrl.h>

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

int StoreFlag(HWND dialog, int id, const char* key)
{
    bool ticked = IsDlgButtonChecked(dialog, id) == BST_CHECKED;
    WriteSetting(key, ticked ? "1" : "0");
    return ticked ? 1 : 0;
}

int StoreNumber(const char* key, int value)
{
    char text[16];
    wsprintfA(text, "%d", value);
    WriteSetting(key, text);
    return value;
}

int SelectedIndex(HWND dialog, int id)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

// The delay boxes hold what the file held or what the arrows made; stored as shown.
int StoreDelay(HWND dialog, int id, const char* key)
{
    char text[8];
    GetDlgItemTextA(dialog, id, text, sizeof text);
    WriteSetting(key, text);
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

void StoreFont(HWND dialog)
{
    char faceName[256] = {};
    if (!SelectedText(dialog, IDC_FONT_NAME, faceName, sizeof faceName)) {
        ShownFaceName(faceName);
    }
    CopyFaceName(Settings.FontName, faceName);
    WriteSetting("FontName", Settings.FontName);

    Settings.FontStyle = StoreNumber("FontStyle", SelectedIndex(dialog, IDC_FONT_STYLE));

    char size[8] = {};
    SelectedText(dialog, IDC_FONT_SIZE, size, sizeof size);
    WriteSetting("FontSize", size);
    Settings.FontSize = ParseSettingInt(size);
}

int StoreConversion(HWND dialog)
{
    int conversion = 0;
    if (IsDlgButtonChecked(dialog, IDC_CHAR_NONE) == BST_CHECKED) {
        conversion = 0;
    } else if (IsDlgButtonChecked(dialog, IDC_CHAR_TO_HALF) == BST_CHECKED) {
        conversion = 1;
    } else if (IsDlgButtonChecked(dialog, IDC_CHAR_TO_FULL) == BST_CHECKED) {
        conversion = 2;
    }
    return StoreNumber("Char", conversion);
}

} // namespace

void ApplyOptions(HWND dialog)
{
    Settings.TopMost = StoreFlag(dialog, IDC_TOP_MOST, "TopMost");
    Settings.SavePosition = StoreFlag(dialog, IDC_SAVE_POSITION, "SavePosition");
    Settings.TrayIcon = StoreFlag(dialog, IDC_TRAY_ICON, "TrayIcon");
    StoreFlag(dialog, IDC_CLOSE_EXITS, "Close");
    Settings.ToolTip = StoreFlag(dialog, IDC_TOOL_TIP, "ToolTip");
    StoreFont(dialog);
    Settings.TopMove = StoreFlag(dialog, IDC_TOP_MOVE, "TopMove");
    Settings.AutoPaste = StoreFlag(dialog, IDC_AUTO_PASTE, "AutoPaste");
    Settings.PasteTime = StoreDelay(dialog, IDC_PASTE_TIME, "PasteTime");
    Settings.PasteKey = StoreNumber("PasteKey", SelectedIndex(dialog, IDC_PASTE_KEY));
    Settings.AutoHide = StoreFlag(dialog, IDC_AUTO_HIDE, "AutoHide");
    Settings.Transparent = StoreFlag(dialog, IDC_TRANSPARENT, "Transparent");
    Settings.Alpha = StoreNumber(
        "Alpha", static_cast<int>(SendDlgItemMessageA(dialog, IDC_ALPHA, TBM_GETPOS, 0, 0)));
    Settings.HideTime = StoreDelay(dialog, IDC_HIDE_TIME, "HideTime");
    Settings.Icon = StoreFlag(dialog, IDC_ICONIFY, "Icon");
    Settings.HotKeys = StoreNumber(
        "HotKeys",
        static_cast<int>(SendDlgItemMessageA(dialog, IDC_HOT_KEYS, HKM_GETHOTKEY, 0, 0) & 0xFFFF));
    Settings.HotKey = StoreFlag(dialog, IDC_HOT_KEY, "HotKey");
    Settings.AutoPulldown = StoreFlag(dialog, IDC_AUTO_PULLDOWN, "AutoPulldown");
    Settings.Return = StoreFlag(dialog, IDC_RETURN, "Return");
    Settings.Char = StoreConversion(dialog);
    Settings.Filter = StoreFlag(dialog, IDC_FILTER, "Filter");
    // The new settings are laid out for the picker, not for the table.
    LeaveEditMode();
    ApplySettings(LayoutModeSwitch);
}
