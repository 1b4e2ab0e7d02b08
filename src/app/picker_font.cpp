#include "app/picker_font.h"

#include <string>
#include <initializer_list>

#include "settings/setting_values.h"
#include "shell/wide_text.h"
#include "shell/window_dpi.h"

void ReplacePickerFont(PickerView& view, const SettingsRecord& settings)
{
    PickerFontRecord record = MakePickerFontRecord(settings.FontSize, WindowDpi(view.PickerWindow),
                                                   settings.FontStyle, settings.FontName);
    LOGFONTW& PickerFontSpec = view.PickerFontSpec;
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

    HFONT previous = view.PickerFont;
    view.PickerFont = CreateFontIndirectW(&PickerFontSpec);
    for (HWND control : {view.FaceCombo, view.FilterCombo, view.EditListView, view.TagEdit,
                         view.FaceEdit, view.PopupCombo}) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(view.PickerFont), TRUE);
    }
    if (previous != nullptr) {
        DeleteObject(previous);
    }
}

void DeletePickerFont(PickerView& view)
{
    DeleteObject(view.PickerFont);
    view.PickerFont = nullptr;
}
