// At 150 % the picker, its lists, edit mode's rows and the dialogs grow with the DPI, and every
// label still fits. high_dpi.sh runs this suite alone in a prefix of its own set to 144 DPI; the
// test switches the prefix's DPI between picker starts, as each program reads it once at start.
#include <gtest/gtest.h>

#include <cwchar>
#include <map>

#include "resource.h"
#include "scenario.h"

namespace {

const char* const FaceFile = "Vemplor.txt";

void SetPrefixDpi(DWORD dpi)
{
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE,
                    nullptr, &key, nullptr);
    RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                   sizeof dpi);
    RegCloseKey(key);
}

int OwnDpi()
{
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int Width(const RECT& rect)
{
    return rect.right - rect.left;
}

int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

// Each size measured, by what it is the size of.
using PickerSizes = std::map<std::string, int>;

const WORD* PastString(const WORD* at)
{
    return at + std::wcslen(reinterpret_cast<const wchar_t*>(at)) + 1;
}

// A template's menu or class: none, a number, or a name.
const WORD* PastNameOrNumber(const WORD* at)
{
    return *at == 0 ? at + 1 : *at == 0xFFFF ? at + 2 : PastString(at);
}

// The font the dialog manager makes from a DIALOGEX template's font record, at this process's
// DPI (the same as the picker's when both started at it).
HFONT TemplateFont(int dialogId)
{
    HMODULE exe = LoadLibraryExW(WideFromUtf8(VEMPLOR_EXE_PATH).c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE);
    const WORD dialogType = 5;
    HRSRC found = FindResourceW(exe, MAKEINTRESOURCEW(dialogId), MAKEINTRESOURCEW(dialogType));
    const WORD* at = found != nullptr
                         ? static_cast<const WORD*>(LockResource(LoadResource(exe, found)))
                         : nullptr;
    HFONT font = nullptr;
    if (at != nullptr && at[1] == 0xFFFF) {
        // Past the fixed head (version, signature, help id, extended style, style, item count,
        // four coordinates), the menu, the class and the caption.
        at = PastString(PastNameOrNumber(PastNameOrNumber(at + 13)));
        font = CreateFontW(-MulDiv(at[0], OwnDpi(), 72), 0, 0, 0, at[1], LOBYTE(at[2]), FALSE,
                           FALSE, DEFAULT_CHARSET, 0, 0, PROOF_QUALITY, FF_DONTCARE,
                           reinterpret_cast<const wchar_t*>(at + 3));
    }
    FreeLibrary(exe);
    return font;
}

bool Wraps(const std::wstring& className, LONG style)
{
    return className == L"Static" && (style & SS_TYPEMASK) <= SS_RIGHT;
}

// Width the control keeps from its label: a check box's or radio button's box and the gap after
// it, a push button's edges, a group box's inset.
int ControlChrome(const std::wstring& className, LONG style, const TEXTMETRICW& metrics)
{
    if (className != L"Button") {
        return 0;
    }
    switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: return 2 * GetSystemMetrics(SM_CXEDGE);
    case BS_GROUPBOX: return metrics.tmAveCharWidth;
    }
    return GetSystemMetrics(SM_CXMENUCHECK) + metrics.tmAveCharWidth / 2;
}

// The label of every static text and button of the dialog that its control cuts off, measured
// in the dialog's font as the control draws it.
std::vector<std::string> CutOffLabels(HWND dialog, int dialogId)
{
    std::vector<std::string> cut;
    HFONT font = TemplateFont(dialogId);
    EXPECT_NE(font, nullptr) << dialogId;
    HDC context = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(context, font);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(context, &metrics);
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t classBuffer[32] = {};
        wchar_t label[256] = {};
        GetClassNameW(child, classBuffer, 32);
        GetWindowTextW(child, label, 256);
        const std::wstring className = classBuffer;
        LONG style = GetWindowLongW(child, GWL_STYLE);
        bool isIcon = className == L"Static" && (style & SS_TYPEMASK) == SS_ICON;
        if (label[0] == L'\0' || isIcon || (className != L"Static" && className != L"Button")) {
            continue;
        }
        RECT client = {};
        GetClientRect(child, &client);
        const int room = client.right - ControlChrome(className, style, metrics);
        RECT needed = {0, 0, room, 0};
        DrawTextW(context, label, -1, &needed,
                  DT_CALCRECT | (Wraps(className, style) ? DT_WORDBREAK : DT_SINGLELINE));
        if (needed.right > room || needed.bottom > client.bottom) {
            cut.push_back(Utf8FromWide(label));
        }
    }
    SelectObject(context, previous);
    ReleaseDC(nullptr, context);
    DeleteObject(font);
    return cut;
}

class HighDpi : public PickerScenario {
protected:
    // Starts the picker at the DPI and measures it; at this process's own DPI the labels of the
    // options dialog are checked as well.
    PickerSizes StartAndMeasure(DWORD dpi, const std::string& width)
    {
        SetPrefixDpi(dpi);
        PickerSizes sizes;
        EXPECT_TRUE(Start({{FaceFile, "a\t(^_^)\r\nb\t(T_T)\r\n"}}, {{"Width", width}}));
        sizes["the picker's height"] = Height(WindowRectOf(picker.Picker()));
        sizes["a list item"] =
            static_cast<int>(SendMessageW(windows.faceCombo, CB_GETITEMHEIGHT, 0, 0));
        sizes["a pop-up item"] =
            static_cast<int>(SendMessageW(windows.popupList, LB_GETITEMHEIGHT, 0, 0));

        HWND options = OpenDialogFromMenu(CentreOf(windows.faceCombo), 'O', "オプション");
        EXPECT_NE(options, nullptr);
        RECT dropped = {};
        SendMessageW(GetDlgItem(options, IDC_FONT_NAME), CB_GETDROPPEDCONTROLRECT, 0,
                     reinterpret_cast<LPARAM>(&dropped));
        sizes["a dropped list"] = Height(dropped);
        if (static_cast<int>(dpi) == OwnDpi()) {
            EXPECT_EQ(CutOffLabels(options, IDD_OPTIONS), std::vector<std::string>());
        }
        EXPECT_TRUE(ClickAndWaitClosed(options, IDCANCEL));

        EXPECT_TRUE(EnterEditModeOverList(windows));
        sizes["an edit row"] = Height(ListViewCellRect(windows.editListView, 0, 0));
        return sizes;
    }
};

// Half as large again, give or take: one-pixel borders and lines do not grow.
void ExpectHalfAsLargeAgain(int at96, int at144, const char* what)
{
    EXPECT_GE(at144 * 10, at96 * 13) << what << ": " << at96 << " at 96 DPI, " << at144;
    EXPECT_LE(at144 * 10, at96 * 16) << what << ": " << at96 << " at 96 DPI, " << at144;
}

TEST_F(HighDpi, At150PercentThePickerAndItsListsGrowAndEveryDialogLabelFits)
{
    ASSERT_EQ(OwnDpi(), 144) << "high_dpi.sh runs this suite in a prefix at 144 DPI";
    const PickerSizes at96 = StartAndMeasure(96, "500");
    EXPECT_EQ(Width(WindowRectOf(picker.Picker())), 500);
    const PickerSizes at144 = StartAndMeasure(144, "500");
    EXPECT_EQ(Width(WindowRectOf(picker.Picker())), 500)
        << "the stored width is in the screen's own pixels";
    ASSERT_EQ(at96.size(), at144.size());
    for (const auto& [what, size] : at96) {
        ExpectHalfAsLargeAgain(size, at144.at(what), what.c_str());
    }

    // A change of DPI in edit mode (the system's suggestion: another width, half the height) lays
    // edit mode out again: the suggested width, edit mode's own height, the table filling it.
    const RECT table = WindowRectOf(picker.Picker());
    SendDpiChanged(picker.Picker(), 144,
                   {table.left, table.top, table.right + 60, table.top + Height(table) / 2});
    const RECT moved = WindowRectOf(picker.Picker());
    EXPECT_EQ(Width(moved), Width(table) + 60);
    EXPECT_EQ(Height(moved), Height(table));
    RECT client = {};
    GetClientRect(picker.Picker(), &client);
    EXPECT_EQ(Height(WindowRectOf(windows.editListView)), client.bottom);

    // The narrowest picker, the about box and the clipboard dialog at 144 DPI.
    ASSERT_TRUE(Start({{FaceFile, "a\t(^_^)\r\n"}}, {{"Width", "300"}}));
    ExpectHalfAsLargeAgain(300, Width(WindowRectOf(picker.Picker())), "the narrowest picker");
    HWND about = OpenDialogFromMenu(CentreOf(windows.faceCombo), 'A', "バージョン情報");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(CutOffLabels(about, IDD_ABOUT), std::vector<std::string>());
    EXPECT_TRUE(ClickAndWaitClosed(about, IDOK));
    SetClipboardText("(^o^)");
    HWND clipAdd = OpenDialogOver(windows.faceCombo, 'L', "クリップボードから追加");
    ASSERT_NE(clipAdd, nullptr);
    EXPECT_EQ(CutOffLabels(clipAdd, IDD_CLIP_ADD), std::vector<std::string>());
    EXPECT_TRUE(ClickAndWaitClosed(clipAdd, IDCANCEL));
}

} // namespace
