#include "app/picker_font.h"

#include <cstring>
#include <initializer_list>

#include "settings/setting_values.h"
#include "settings/settings_record.h"
#include "view/picker_controls.h"

LOGFONTA PickerFontSpec;
HFONT PickerFont;

void ReplacePickerFont(HWND pickerWindow)
{
    HDC context = GetDC(pickerWindow);
    int dpiY = GetDeviceCaps(context, LOGPIXELSY);
    ReleaseDC(pickerWindow, context);

    PickerFontRecord record =
        MakePickerFontRecord(Settings.FontSize, dpiY, Settings.FontStyle, Settings.FontName);
    PickerFontSpec = LOGFONTA{};
    PickerFontSpec.lfHeight = record.height;
    PickerFontSpec.lfWeight = record.weight;
    PickerFontSpec.lfItalic = record.italic;
    PickerFontSpec.lfCharSet = DEFAULT_CHARSET;
    PickerFontSpec.lfOutPrecision = OUT_DEFAULT_PRECIS;
    PickerFontSpec.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    PickerFontSpec.lfQuality = ANTIALIASED_QUALITY;
    static_assert(sizeof record.faceName == sizeof PickerFontSpec.lfFaceName, "face name sizes");
    std::memcpy(PickerFontSpec.lfFaceName, record.faceName, sizeof PickerFontSpec.lfFaceName);

    HFONT previous = PickerFont;
    PickerFont = CreateFontIndirectA(&PickerFontSpec);
    for (HWND control : {FaceCombo, FilterCombo, EditListView, TagEdit, FaceEdit, PopupCombo}) {
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(PickerFont), TRUE);
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
