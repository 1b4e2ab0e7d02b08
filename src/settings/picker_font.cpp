#include "settings/picker_font.h"

#include <cstring>
#include <initializer_list>

#include "settings/setting_values.h"
#include "view/picker_controls.h"

LOGFONTA PickerFontSpec;
HFONT PickerFont;

void CreatePickerFont(HWND pickerWindow, int fontSize, int fontStyle, const char* fontName)
{
    HDC context = GetDC(pickerWindow);
    int dpiY = GetDeviceCaps(context, LOGPIXELSY);
    ReleaseDC(pickerWindow, context);

    PickerFontRecord record = MakePickerFontRecord(fontSize, dpiY, fontStyle, fontName);
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

    PickerFont = CreateFontIndirectA(&PickerFontSpec);
    for (HWND control : {FaceCombo, FilterCombo, EditListView, TagEdit, FaceEdit, PopupCombo}) {
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(PickerFont), TRUE);
    }
}

void DeletePickerFont()
{
    DeleteObject(PickerFont);
    PickerFont = nullptr;
}
