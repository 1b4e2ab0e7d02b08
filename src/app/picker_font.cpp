#include "app/picker_font.h"

#include <string>
#include <initializer_list>

#include "settings/setting_values.h"
#include "settings/settings_record.h"
#include "shell/wide_text.h"
#include "shell/window_dpi.h"
#include "view/picker_controls.h"

LOGFONTW PickerFontSpec;
HFONT PickerFont;

void ReplacePickerFont(HWND pickerWindow)
{
    PickerFontRecord record = MakePickerFontRecord(Settings.FontSize, WindowDpi(pickerWindow),
                                                   Settings.FontStyle, Settings.FontName);
    PickerFontSpec = LOGFONTW{};
    PickerFontSpec.lfHeight = record.height;
    PickerFontSpec.lfWeight = record.weight;
    PickerFontSpec.lfItalic = record.italic;
    PickerFontSpec.lfCharSet = DEFAULT_CHARSET;
    PickerFontSpec.lfOutPrecision = OUT_DEFAULT_PRECIS;
    PickerFontSpec.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    PickerFontSpec.lfQuality = ANTIALIASED_QUALITY;
    // The face name of 31 Shift-JIS bytes at most has at most 31 characters.
    std::wstring faceName = WideFromShiftJis(record.faceName);
    faceName.copy(PickerFontSpec.lfFaceName, LF_FACESIZE - 1);

    HFONT previous = PickerFont;
    PickerFont = CreateFontIndirectW(&PickerFontSpec);
    for (HWND control : {FaceCombo, FilterCombo, EditListView, TagEdit, FaceEdit, PopupCombo}) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(PickerFont), TRUE);
    }
    if (previous != nullptr) {
        DeleteObject(previous);
    }
}

void DeletePickerFont()
{
    DeleteObject(PickerFont);
    PickerFont = nullptr;
}
