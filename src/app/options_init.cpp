// Filling the options dialog. It shows what the settings file says now, not what the program
// read at start-up, and records those values in memory (the font only changes at OK).
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/app_state.h"
#include "app/options_dialog.h"
#include "resource.h"
#include "settings/font_size_choices.h"
#include "settings/setting_values.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

namespace {

const char* const FontStyleNames[] = {"標準", "斜体", "太字", "太字 斜体"};
const char* const PasteKeyNames[] = {"Ctrl + V",          "Shift + Ins", "F9", "Shift + F9",
                                     "Shift + Alt + Ins", "Alt + V"};
const int DroppedListHeight = 300;

void Tick(HWND dialog, int id, bool ticked)
{
    CheckDlgButton(dialog, id, ticked ? BST_CHECKED : BST_UNCHECKED);
}

// Ticks the box as the stored flag reads by its rule (on for 1 only, or for any non-zero value)
// and returns the flag.
int ShowFlag(HWND dialog, int id, const char* key, const char* defaultText,
             int (*readsOn)(const char*))
{
    char value[32];
    ReadSetting(key, defaultText, value);
    int on = readsOn(value);
    Tick(dialog, id, on != 0);
    return on;
}

void AddItem(HWND dialog, int id, const char* text)
{
    SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void SelectItem(HWND dialog, int id, int index)
{
    SendDlgItemMessageA(dialog, id, CB_SETCURSEL, index, 0);
}

// Vertical faces ("@" first) and a face already listed under another character set are left
// out; the sorted combo box orders the rest.
int CALLBACK AddFontFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM dialogValue)
{
    HWND faces = GetDlgItem(reinterpret_cast<HWND>(dialogValue), IDC_FONT_NAME);
    const char* face = font->lfFaceName;
    if (face[0] != '@' &&
        SendMessageA(faces, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(face)) == CB_ERR) {
        SendMessageA(faces, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(face));
    }
    return 1;
}

void ShowFont(HWND dialog)
{
    LOGFONTA everyFace = {};
    everyFace.lfCharSet = DEFAULT_CHARSET;
    HDC context = GetDC(dialog);
    EnumFontFamiliesExA(context, &everyFace, AddFontFace, reinterpret_cast<LPARAM>(dialog), 0);
    ReleaseDC(dialog, context);

    char faceName[32];
    ReadSetting("FontName", "ＭＳ Ｐゴシック", faceName);
    // An uninstalled face finds nothing and leaves the list without a selection.
    SelectItem(dialog, IDC_FONT_NAME,
               static_cast<int>(SendDlgItemMessageA(dialog, IDC_FONT_NAME, CB_FINDSTRINGEXACT,
                                                    static_cast<WPARAM>(-1),
                                                    reinterpret_cast<LPARAM>(faceName))));

    for (const char* style : FontStyleNames) {
        AddItem(dialog, IDC_FONT_STYLE, style);
    }
    int fontStyle = ReadSettingInt("FontStyle", "0");
    bool knownStyle = fontStyle >= 1 && fontStyle <= 3;
    SelectItem(dialog, IDC_FONT_STYLE, knownStyle ? fontStyle : 0);

    for (int size : FontSizeChoices) {
        AddItem(dialog, IDC_FONT_SIZE, std::to_string(size).c_str());
    }
    SelectItem(dialog, IDC_FONT_SIZE, FontSizeChoiceIndex(ReadSettingInt("FontSize", "12")));
}

// The box shows the stored text as it is; the arrows stand at the nearest 100 ms below it.
int ShowDelay(HWND dialog, int box, int arrows, const char* key, const char* defaultText)
{
    SendDlgItemMessageA(dialog, arrows, UDM_SETRANGE, 0, MAKELPARAM(100, 1));
    char value[32];
    ReadSetting(key, defaultText, value);
    int milliseconds = ParseSettingInt(value);
    SetDlgItemTextA(dialog, box, value);
    SendDlgItemMessageA(dialog, arrows, UDM_SETPOS, 0, MAKELPARAM(milliseconds / 100, 0));
    return milliseconds;
}

void ShowPasteKey(HWND dialog)
{
    for (const char* name : PasteKeyNames) {
        AddItem(dialog, IDC_PASTE_KEY, name);
    }
    Settings.PasteKey = ReadSettingInt("PasteKey", "0");
    bool listed = Settings.PasteKey >= 0 && Settings.PasteKey <= 5;
    SelectItem(dialog, IDC_PASTE_KEY, listed ? Settings.PasteKey : -1);
}

void ShowAlpha(HWND dialog)
{
    SendDlgItemMessageA(dialog, IDC_ALPHA, TBM_SETRANGE, TRUE, MAKELPARAM(10, 255));
    Settings.Alpha = ReadSettingInt("Alpha", "128");
    SendDlgItemMessageA(dialog, IDC_ALPHA, TBM_SETPOS, TRUE, Settings.Alpha);
}

void ShowHotKey(HWND dialog)
{
    ShowFlag(dialog, IDC_HOT_KEY, "HotKey", "1", SettingOnIfOne);
    int stored = ReadSettingInt("HotKeys", "587");
    SendDlgItemMessageA(dialog, IDC_HOT_KEYS, HKM_SETHOTKEY, stored & 0xFFFF, 0);
}

void ShowConversion(HWND dialog)
{
    Settings.Char = ReadSettingInt("Char", "0");
    int radio = IDC_CHAR_NONE;
    if (Settings.Char == 1) {
        radio = IDC_CHAR_TO_HALF;
    } else if (Settings.Char == 2) {
        radio = IDC_CHAR_TO_FULL;
    }
    Tick(dialog, radio, true);
}

} // namespace

void InitOptionsDialog(HWND dialog)
{
    for (int combo : {IDC_FONT_NAME, IDC_FONT_STYLE, IDC_FONT_SIZE, IDC_PASTE_KEY}) {
        HWND control = GetDlgItem(dialog, combo);
        RECT rect = {};
        GetWindowRect(control, &rect);
        SetWindowPos(control, nullptr, 0, 0, rect.right - rect.left, DroppedListHeight,
                     SWP_NOMOVE | SWP_NOZORDER);
    }
    // Opened from the tray while the picker is hidden, switching the icon off would leave no
    // way back to the program.
    EnableWindow(GetDlgItem(dialog, IDC_TRAY_ICON), IsWindowVisible(PickerWindow));

    Settings.TopMost = ShowFlag(dialog, IDC_TOP_MOST, "TopMost", "1", SettingOnIfOne);
    Settings.SavePosition =
        ShowFlag(dialog, IDC_SAVE_POSITION, "SavePosition", "1", SettingOnIfOne);
    Settings.TrayIcon = ShowFlag(dialog, IDC_TRAY_ICON, "TrayIcon", "1", SettingOnIfNonZero);
    ShowFlag(dialog, IDC_CLOSE_EXITS, "Close", "1", SettingOnIfOne);
    Settings.Filter = ShowFlag(dialog, IDC_FILTER, "Filter", "1", SettingOnIfOne);
    Settings.ToolTip = ShowFlag(dialog, IDC_TOOL_TIP, "ToolTip", "1", SettingOnIfOne);
    ShowFont(dialog);
    Settings.TopMove = ShowFlag(dialog, IDC_TOP_MOVE, "TopMove", "1", SettingOnIfNonZero);
    // Automatic pasting and hiding stay held off while the dialog is open.
    Settings.AutoPaste = ShowFlag(dialog, IDC_AUTO_PASTE, "AutoPaste", "1", SettingOnIfNonZero);
    Settings.PasteTime =
        ShowDelay(dialog, IDC_PASTE_TIME, IDC_PASTE_TIME_ARROWS, "PasteTime", "100");
    ShowPasteKey(dialog);
    Settings.AutoHide = ShowFlag(dialog, IDC_AUTO_HIDE, "AutoHide", "0", SettingOnIfNonZero);
    Settings.Transparent =
        ShowFlag(dialog, IDC_TRANSPARENT, "Transparent", "0", SettingOnIfNonZero);
    ShowAlpha(dialog);
    Settings.HideTime = ShowDelay(dialog, IDC_HIDE_TIME, IDC_HIDE_TIME_ARROWS, "HideTime", "1000");
    Settings.Icon = ShowFlag(dialog, IDC_ICONIFY, "Icon", "0", SettingOnIfOne);
    ShowHotKey(dialog);
    Settings.AutoPulldown =
        ShowFlag(dialog, IDC_AUTO_PULLDOWN, "AutoPulldown", "0", SettingOnIfOne);
    Settings.Return = ShowFlag(dialog, IDC_RETURN, "Return", "0", SettingOnIfOne);
    ShowConversion(dialog);
    ApplyEnablingRules(dialog, 0);
}
