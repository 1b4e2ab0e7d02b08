// The options dialog shows what the settings file says, its boxes enable what depends on them as
// they are clicked, OK stores and applies everything at once, and any other way out changes
// nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "resource.h"
#include "scenario.h"

#include <commctrl.h>

namespace {

using Options = PickerScenario;

HWND OpenOptions(const PickerWindows& windows)
{
    return OpenDialogFromMenu(CentreOf(windows.faceCombo), 'O', OptionsCaption);
}

LRESULT Ask(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendMessageA(GetDlgItem(dialog, id), message, wParam, lParam);
}

bool Ticked(HWND dialog, int id)
{
    return Ask(dialog, id, BM_GETCHECK) == BST_CHECKED;
}

std::string Selected(HWND dialog, int id)
{
    int index = ComboSelection(GetDlgItem(dialog, id));
    return index < 0 ? "<none>" : ComboItem(GetDlgItem(dialog, id), index);
}

TEST_F(Options, ShowsTheFileAsItIsEnablesByClicksStoresOnlyAtOk)
{
    const std::string settings = "; notes\r\n[Option]\r\nPasteTime=250\r\nFontSize=13\r\n"
                                 "FontStyle=5\r\nChar=4\r\nAlpha=300\r\nPasteKey=9\r\nTopMost=2\r\n"
                                 "TrayIcon=2\r\nFontName=VemplorNoSuchFace\r\nReadingSearch=0\r\n";
    ASSERT_TRUE(Start({{SettingsFile, settings}}));
    HWND dialog = OpenOptions(windows);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ControlText(GetDlgItem(dialog, IDC_PASTE_TIME)), "250");
    EXPECT_EQ(Selected(dialog, IDC_FONT_SIZE), "10");
    EXPECT_EQ(Selected(dialog, IDC_FONT_STYLE), "標準");
    EXPECT_EQ(Selected(dialog, IDC_PASTE_KEY), "<none>");
    EXPECT_EQ(Selected(dialog, IDC_FONT_NAME), "<none>") << "the stored face is not installed";
    EXPECT_TRUE(Ticked(dialog, IDC_CHAR_NONE));
    EXPECT_EQ(Ask(dialog, IDC_ALPHA, TBM_GETPOS), 255);
    EXPECT_FALSE(Ticked(dialog, IDC_TOP_MOST)) << "ticked for 1 only";
    EXPECT_TRUE(Ticked(dialog, IDC_TRAY_ICON)) << "ticked for anything but 0";
    EXPECT_FALSE(Ticked(dialog, IDC_READING_SEARCH));
    std::vector<std::string> faces = ComboItems(GetDlgItem(dialog, IDC_FONT_NAME));
    const std::set<std::string> distinct(faces.begin(), faces.end());
    EXPECT_EQ(distinct.size(), faces.size());
    EXPECT_TRUE(std::none_of(faces.begin(), faces.end(),
                             [](const std::string& face) { return face[0] == '@'; }));

    const std::vector<std::vector<int>> rules = {
        {IDC_AUTO_PASTE, IDC_PASTE_TIME, IDC_PASTE_TIME_ARROWS, IDC_PASTE_KEY},
        {IDC_AUTO_HIDE, IDC_HIDE_TIME, IDC_HIDE_TIME_ARROWS, IDC_ICONIFY},
        {IDC_TRAY_ICON, IDC_CLOSE_EXITS},
        {IDC_HOT_KEY, IDC_HOT_KEYS, IDC_POPUP_AT_MOUSE},
        {IDC_TRANSPARENT, IDC_ALPHA, IDC_ALPHA_LABEL},
    };
    for (const std::vector<int>& rule : rules) {
        for (int click = 0; click < 2; ++click) {
            const bool ticked = Ticked(dialog, rule[0]);
            for (std::size_t i = 1; i < rule.size(); ++i) {
                EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, rule[i])) != 0, ticked) << rule[i];
            }
            ClickControl(GetDlgItem(dialog, rule[0]));
            EXPECT_TRUE(WaitUntil([&] { return Ticked(dialog, rule[0]) != ticked; }));
        }
    }
    RECT arrows = WindowRectOf(GetDlgItem(dialog, IDC_PASTE_TIME_ARROWS));
    ClickAt((arrows.left + arrows.right) / 2, arrows.top + 2);
    HWND pasteTime = GetDlgItem(dialog, IDC_PASTE_TIME);
    EXPECT_TRUE(WaitUntil([&] { return ControlText(pasteTime) == "300"; })) << "250 one step up";
    ASSERT_TRUE(ClickAndWaitClosed(dialog, IDCANCEL));
    for (auto leave : {+[](HWND) { PressKey(VK_ESCAPE); },
                       +[](HWND box) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); }}) {
        dialog = OpenOptions(windows);
        ASSERT_NE(dialog, nullptr);
        ClickControl(GetDlgItem(dialog, IDC_TOP_MOST));
        leave(dialog);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    }
    EXPECT_EQ(dir.Read(SettingsFile), settings) << "nothing but OK writes";
    EXPECT_TRUE(IsTopMost(picker.Picker())) << "nor applies anything";

    dialog = OpenOptions(windows);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ClickAndWaitClosed(dialog, IDOK));
    OptionKeys keys = ReadOptionKeys(dir);
    const OptionKeys expected = {{"PasteTime", "250"}, {"FontSize", "10"}, {"FontStyle", "0"},
                                 {"Char", "0"},        {"Alpha", "255"},   {"PasteKey", "-1"},
                                 {"TopMost", "0"},     {"TrayIcon", "1"},  {"HotKeys", "587"},
                                 {"ReadingSearch", "0"}, {"PopupAt", "0"}};
    for (const auto& key : expected) {
        EXPECT_EQ(keys[key.first], key.second) << key.first;
    }
    EXPECT_EQ(keys.size(), 25u);
    EXPECT_EQ(distinct.count(keys["FontName"]), 1u) << "a real face: " << keys["FontName"];
    EXPECT_FALSE(IsTopMost(picker.Picker()));
}

TEST_F(Options, OkPutsEveryChangeIntoEffectAtOnceAndAgainAtEveryOk)
{
    ASSERT_TRUE(Start({{FaceFile, "a\t(^_^)\nb\t(>_<)\n"}}));
    HWND window = picker.Picker();
    ASSERT_TRUE(WaitUntil([&] { return TrayIconPresent(window); }));
    ASSERT_TRUE(HotKeyTaken(MOD_CONTROL, 'K'));
    const LRESULT itemHeight = SendMessageA(windows.faceCombo, CB_GETITEMHEIGHT, 0, 0);
    ASSERT_TRUE(EnterEditModeOverList(windows));

    HWND dialog = OpenDialogFromMenu(CentreOf(windows.editListView), 'O', OptionsCaption);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(Ticked(dialog, IDC_READING_SEARCH)) << "on by default";
    for (int box : {IDC_TOP_MOST, IDC_TRAY_ICON, IDC_FILTER, IDC_TRANSPARENT}) {
        ClickControl(GetDlgItem(dialog, box));
    }
    Ask(dialog, IDC_ALPHA, TBM_SETPOS, TRUE, 100);
    Ask(dialog, IDC_FONT_SIZE, CB_SETCURSEL, 8);
    Ask(dialog, IDC_HOT_KEYS, HKM_SETHOTKEY, MAKEWORD('J', HOTKEYF_CONTROL));
    ASSERT_TRUE(ClickAndWaitClosed(dialog, IDOK));
    EXPECT_FALSE(IsWindowVisible(windows.editListView)) << "OK leaves edit mode";
    EXPECT_FALSE(IsTopMost(window));
    EXPECT_FALSE(TrayIconPresent(window));
    EXPECT_FALSE(IsWindowVisible(windows.filterCombo));
    EXPECT_EQ(LayeredAlpha(window), 100);
    EXPECT_GT(SendMessageA(windows.faceCombo, CB_GETITEMHEIGHT, 0, 0), itemHeight) << "20 points";
    EXPECT_FALSE(HotKeyTaken(MOD_CONTROL, 'K')) << "the old hotkey is given back";
    EXPECT_TRUE(HotKeyTaken(MOD_CONTROL, 'J'));

    // OK applies again: the hotkey survives its re-registration, icon and stacking come back.
    dialog = OpenOptions(windows);
    ASSERT_NE(dialog, nullptr);
    ClickControl(GetDlgItem(dialog, IDC_TRAY_ICON));
    ClickControl(GetDlgItem(dialog, IDC_TOP_MOST));
    ASSERT_TRUE(ClickAndWaitClosed(dialog, IDOK));
    EXPECT_TRUE(HotKeyTaken(MOD_CONTROL, 'J'));
    EXPECT_TRUE(TrayIconPresent(window));
    EXPECT_TRUE(IsTopMost(window));
}

TEST_F(Options, OpenedFromTheTrayWhileHiddenKeepsTheTrayAndHoldsOffTheMenuAndHotKey)
{
    ASSERT_TRUE(Start({}, {{"Close", "0"}}));
    picker.RequestClose();
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(picker.Picker()); }));
    HWND dialog = OpenDialogFromMenu(TrayIconPoint(), 'O', OptionsCaption);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_TRAY_ICON))) << "the only way back";

    // Were a second menu or the hotkey's list opened under the dialog, Escape would close that.
    MouseButtonAt(TrayIconPoint(), false, true);
    MouseButtonAt(TrayIconPoint(), false, false);
    KeyDown(VK_CONTROL);
    PressKey('K');
    KeyUp(VK_CONTROL);
    SetForegroundWindow(dialog);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(VisibleMenuWindow(), nullptr);
    EXPECT_FALSE(IsWindowVisible(windows.popupCombo));
}

} // namespace
