// OK in the options dialog: every key the dialog edits is written, in one replacement of the
// file; the Settings record takes the same values, and the whole record is put into effect at
// once.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/apply_settings.h"
#include "app/edit_mode_switch.h"
#include "app/options_dialog.h"
#include "app/picker_font.h"
#include "resource.h"
#include "settings/setting_values.h"
#include "settings/settings_file.h"
#include "settings/settings_table.h"
#include "shell/wide_text.h"
#include "view/picker_fill.h"
#include "view/window_layout.h"

namespace {

LRESULT Ask(HWND dialog, int id, UINT message)
{
    return SendDlgItemMessageW(dialog, id, message, 0, 0);
}

const int FaceNameLength = 256;

// The face the font mapper actually gave the picker, for a stored face that is not installed.
void ShownFaceName(const PickerView& view, wchar_t (&faceName)[FaceNameLength])
{
    HDC context = GetDC(view.FaceCombo);
    HGDIOBJ previous = SelectObject(context, view.PickerFont);
    GetTextFaceW(context, FaceNameLength, faceName);
    SelectObject(context, previous);
    ReleaseDC(view.FaceCombo, context);
}

// The selected entry's text; false when nothing is selected or the text would not fit.
bool SelectedText(HWND dialog, int id, wchar_t* text, LRESULT capacity)
{
    HWND combo = GetDlgItem(dialog, id);
    LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index < 0 || SendMessageW(combo, CB_GETLBTEXTLEN, index, 0) >= capacity) {
        return false;
    }
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return true;
}

// Stored in Shift-JIS, as the settings file always is.
std::string SelectedFace(HWND dialog, const PickerView& view, SettingsRecord& settings)
{
    wchar_t faceName[FaceNameLength] = {};
    if (!SelectedText(dialog, IDC_FONT_NAME, faceName, FaceNameLength)) {
        ShownFaceName(view, faceName);
    }
    CopyFaceName(settings.FontName, ShiftJisFromWide(faceName).c_str());
    return settings.FontName;
}

std::string SelectedSize(HWND dialog)
{
    wchar_t size[8] = {};
    SelectedText(dialog, IDC_FONT_SIZE, size, 8);
    return ShiftJisFromWide(size);
}

// The delay boxes hold what the file held or what the arrows made; stored as shown.
std::string DelayText(HWND dialog, int id)
{
    wchar_t text[8] = {};
    GetDlgItemTextW(dialog, id, text, 8);
    return ShiftJisFromWide(text);
}

// The stored value of the first ticked radio button.
int Conversion(HWND dialog)
{
    for (int conversion = 0; conversion < 3; ++conversion) {
        if (IsDlgButtonChecked(dialog, ConversionRadios[conversion]) == BST_CHECKED) {
            return conversion;
        }
    }
    return 0;
}

std::string ShownText(HWND dialog, const SettingKey& setting, PickerState& state)
{
    int id = setting.controlId;
    switch (setting.control) {
    case OptionControl::CheckBox: return IsDlgButtonChecked(dialog, id) == BST_CHECKED ? "1" : "0";
    case OptionControl::DelayBox: return DelayText(dialog, id);
    case OptionControl::PasteKeyList:
    case OptionControl::FontStyleList: return std::to_string(Ask(dialog, id, CB_GETCURSEL));
    case OptionControl::FontFaceList: return SelectedFace(dialog, state.view, state.settings);
    case OptionControl::FontSizeList: return SelectedSize(dialog);
    case OptionControl::AlphaSlider: return std::to_string(Ask(dialog, id, TBM_GETPOS));
    case OptionControl::HotKeyBox: return std::to_string(Ask(dialog, id, HKM_GETHOTKEY) & 0xFFFF);
    case OptionControl::ConversionRadios: return std::to_string(Conversion(dialog));
    }
    return {};
}

} // namespace

void ApplyOptions(HWND dialog, PickerState& state)
{
    SettingsRecord& settings = state.settings;
    const int readingSearch = settings.ReadingSearch;
    SettingValues values;
    for (const SettingKey& setting : SettingKeys) {
        std::string text = ShownText(dialog, setting, state);
        if (setting.field != nullptr) {
            settings.*setting.field = ParseSettingInt(text.c_str());
        }
        values.push_back({setting.key, text});
    }
    WriteSettings(SettingsFilePath, values);
    // The new settings are laid out for the picker, not for the table.
    LeaveEditMode(state);
    ApplySettings(state, LayoutModeSwitch, 0);
    // What the filter finds follows the way of matching at once.
    if (settings.ReadingSearch != readingSearch) {
        RefreshPicker(state.view, state.lists, settings.ReadingSearch != 0);
    }
}
