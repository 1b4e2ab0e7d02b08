// Filling the options dialog. It shows what the settings file says now, not what the program
// read at start-up, and records those values in memory; they take effect at OK.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/options_dialog.h"
#include "resource.h"
#include "settings/font_size_choices.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "settings/settings_table.h"
#include "shell/wide_text.h"
#include "shell/window_dpi.h"
#include "view/layout_math.h"

namespace {

const wchar_t* const FontStyleNames[] = {L"標準", L"斜体", L"太字", L"太字 斜体"};
const wchar_t* const PasteKeyNames[] = {L"Ctrl + V",          L"Shift + Ins", L"F9",
                                        L"Shift + F9",        L"Shift + Alt + Ins", L"Alt + V"};
// At 96 DPI; scaled to the dialog's.
const int DroppedListHeight = 300;

void Tick(HWND dialog, int id, bool ticked)
{
    CheckDlgButton(dialog, id, ticked ? BST_CHECKED : BST_UNCHECKED);
}

void AddItem(HWND dialog, int id, const wchar_t* text)
{
    SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void SelectItem(HWND dialog, int id, int index)
{
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL, index, 0);
}

// Vertical faces ("@" first) and a face already listed under another character set are left
// out; the sorted combo box orders the rest.
int CALLBACK AddFontFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM dialogValue)
{
    HWND faces = GetDlgItem(reinterpret_cast<HWND>(dialogValue), IDC_FONT_NAME);
    const wchar_t* face = font->lfFaceName;
    if (face[0] != L'@' &&
        SendMessageW(faces, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(face)) == CB_ERR) {
        SendMessageW(faces, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(face));
    }
    return 1;
}

// An uninstalled face finds nothing and leaves the list without a selection.
void ShowFontFaces(HWND dialog, const char* storedName)
{
    std::wstring faceName = WideFromShiftJis(storedName);
    LOGFONTW everyFace = {};
    everyFace.lfCharSet = DEFAULT_CHARSET;
    HDC context = GetDC(dialog);
    EnumFontFamiliesExW(context, &everyFace, AddFontFace, reinterpret_cast<LPARAM>(dialog), 0);
    ReleaseDC(dialog, context);
    SelectItem(dialog, IDC_FONT_NAME,
               static_cast<int>(SendDlgItemMessageW(dialog, IDC_FONT_NAME, CB_FINDSTRINGEXACT,
                                                    static_cast<WPARAM>(-1),
                                                    reinterpret_cast<LPARAM>(faceName.c_str()))));
}

// Items that stand for stored numbers 0, 1, ...; a number with no item selects the first one
// (fallback 0) or none (fallback -1).
template <int Count>
void ShowNamedItems(HWND dialog, int id, const wchar_t* const (&names)[Count], int stored,
                    int fallback)
{
    for (const wchar_t* name : names) {
        AddItem(dialog, id, name);
    }
    SelectItem(dialog, id, stored >= 0 && stored < Count ? stored : fallback);
}

void ShowFontSizes(HWND dialog, int fontSize)
{
    for (int size : FontSizeChoices) {
        AddItem(dialog, IDC_FONT_SIZE, std::to_wstring(size).c_str());
    }
    SelectItem(dialog, IDC_FONT_SIZE, FontSizeChoiceIndex(fontSize));
}

int ArrowsOf(int delayBox)
{
    return delayBox == IDC_PASTE_TIME ? IDC_PASTE_TIME_ARROWS : IDC_HIDE_TIME_ARROWS;
}

// The box shows the stored text as it is; the arrows stand at the nearest 100 ms below it.
void ShowDelay(HWND dialog, int box, const char* stored, int milliseconds)
{
    SendDlgItemMessageW(dialog, ArrowsOf(box), UDM_SETRANGE, 0, MAKELPARAM(100, 1));
    SetDlgItemTextW(dialog, box, WideFromShiftJis(stored).c_str());
    SendDlgItemMessageW(dialog, ArrowsOf(box), UDM_SETPOS, 0, MAKELPARAM(milliseconds / 100, 0));
}

// A stored value with no button ticks the first, no conversion.
void ShowConversion(HWND dialog, int conversion)
{
    bool known = conversion >= 0 && conversion < 3;
    Tick(dialog, known ? ConversionRadios[conversion] : ConversionRadios[0], true);
}

void ShowSetting(HWND dialog, const std::string& contents, const SettingKey& setting,
                 SettingsRecord& settings)
{
    char stored[32];
    ReadSetting(contents, setting.key, setting.defaultText, stored);
    int value = SettingValueBy(setting.dialog, stored);
    if (setting.field != nullptr) {
        settings.*setting.field = value;
    }
    int id = setting.controlId;
    switch (setting.control) {
    case OptionControl::CheckBox: Tick(dialog, id, value != 0); break;
    case OptionControl::DelayBox: ShowDelay(dialog, id, stored, value); break;
    case OptionControl::PasteKeyList: ShowNamedItems(dialog, id, PasteKeyNames, value, -1); break;
    case OptionControl::FontFaceList: ShowFontFaces(dialog, stored); break;
    case OptionControl::FontStyleList:
        // Stored 0 and anything unknown both show as regular.
        ShowNamedItems(dialog, id, FontStyleNames, value, 0);
        break;
    case OptionControl::FontSizeList: ShowFontSizes(dialog, value); break;
    case OptionControl::AlphaSlider:
        SendDlgItemMessageW(dialog, id, TBM_SETRANGE, TRUE, MAKELPARAM(10, 255));
        SendDlgItemMessageW(dialog, id, TBM_SETPOS, TRUE, value);
        break;
    case OptionControl::HotKeyBox:
        SendDlgItemMessageW(dialog, id, HKM_SETHOTKEY, value & 0xFFFF, 0);
        break;
    case OptionControl::ConversionRadios: ShowConversion(dialog, value); break;
    }
}

} // namespace

void InitOptionsDialog(HWND dialog, PickerState& state)
{
    int droppedHeight = ScaleFrom96Dpi(DroppedListHeight, WindowDpi(dialog));
    for (int combo : {IDC_FONT_NAME, IDC_FONT_STYLE, IDC_FONT_SIZE, IDC_PASTE_KEY}) {
        HWND control = GetDlgItem(dialog, combo);
        RECT rect = {};
        GetWindowRect(control, &rect);
        SetWindowPos(control, nullptr, 0, 0, rect.right - rect.left, droppedHeight,
                     SWP_NOMOVE | SWP_NOZORDER);
    }
    // Opened from the tray while the picker is hidden, switching the icon off would leave no
    // way back to the program.
    EnableWindow(GetDlgItem(dialog, IDC_TRAY_ICON), IsWindowVisible(state.view.PickerWindow));
    // Automatic pasting and hiding stay held off while the dialog is open.
    const std::string contents = SettingsFileContents(SettingsFilePath);
    for (const SettingKey& setting : SettingKeys) {
        ShowSetting(dialog, contents, setting, state.settings);
    }
    ApplyEnablingRules(dialog, 0, state.modes.TransparencyAvailable != 0);
}
