// The options dialog: it shows what the settings file says, its boxes enable what depends on
// them as they are clicked, OK stores and applies everything at once, and leaving it any other
// way changes nothing.
#include <gtest/gtest.h>

#include <set>

#include "harness.h"
#include "resource.h"

#include <commctrl.h>

namespace {

const std::string SettingsFile = "Vemplor.ini";
const char* const OptionsCaption = "オプション";

POINT CentreOf(HWND window)
{
    RECT rect = WindowRectOf(window);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

HWND OpenOptions(const RunningPicker& picker)
{
    SetForegroundWindow(picker.Picker());
    return OpenDialogFromMenu(CentreOf(picker.Windows().faceCombo), 'O', OptionsCaption);
}

bool Ticked(HWND dialog, int id)
{
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool Enabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id)) != 0;
}

LRESULT Ask(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendMessageA(GetDlgItem(dialog, id), message, wParam, lParam);
}

std::string SelectedText(HWND dialog, int id)
{
    HWND combo = GetDlgItem(dialog, id);
    int index = ComboSelection(combo);
    return index < 0 ? "<none>" : ComboItem(combo, index);
}

bool CloseWith(HWND dialog, int buttonId)
{
    ClickControl(GetDlgItem(dialog, buttonId));
    return WaitUntil([&] { return !IsWindow(dialog); });
}

bool HotKeyTaken(UINT modifiers, UINT key)
{
    if (RegisterHotKey(nullptr, 1, modifiers, key)) {
        UnregisterHotKey(nullptr, 1);
        return false;
    }
    return true;
}

TEST(Options, ShowsTheStoredValuesAsReadAndOkStoresWhatItShows)
{
    WorkDir dir;
    dir.WriteSetting("PasteTime", "250");
    dir.WriteSetting("FontSize", "13");
    dir.WriteSetting("FontStyle", "5");
    dir.WriteSetting("Char", "4");
    dir.WriteSetting("Alpha", "300");
    dir.WriteSetting("PasteKey", "9");
    dir.WriteSetting("TopMost", "2");
    dir.WriteSetting("TrayIcon", "2");
    dir.WriteSetting("HideTime", "1999");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    HWND dialog = OpenOptions(picker);
    ASSERT_NE(dialog, nullptr);

    EXPECT_EQ(ControlText(GetDlgItem(dialog, IDC_PASTE_TIME)), "250");
    EXPECT_EQ(LOWORD(Ask(dialog, IDC_PASTE_TIME_ARROWS, UDM_GETPOS)), 2);
    EXPECT_EQ(ControlText(GetDlgItem(dialog, IDC_HIDE_TIME)), "1999");
    EXPECT_EQ(SelectedText(dialog, IDC_FONT_SIZE), "10");
    EXPECT_EQ(SelectedText(dialog, IDC_FONT_STYLE), "標準");
    EXPECT_EQ(SelectedText(dialog, IDC_PASTE_KEY), "<none>");
    EXPECT_TRUE(Ticked(dialog, IDC_CHAR_NONE));
    EXPECT_EQ(Ask(dialog, IDC_ALPHA, TBM_GETPOS), 255) << "the slider takes 300 into its range";
    EXPECT_FALSE(Ticked(dialog, IDC_TOP_MOST)) << "the dialog ticks TopMost for 1 only";
    EXPECT_TRUE(Ticked(dialog, IDC_TRAY_ICON)) << "and TrayIcon for anything but 0";
    EXPECT_EQ(SelectedText(dialog, IDC_FONT_NAME), "<none>") << "the default face is not installed";

    std::vector<std::string> faces = ComboItems(GetDlgItem(dialog, IDC_FONT_NAME));
    ASSERT_FALSE(faces.empty());
    const std::set<std::string> distinct(faces.begin(), faces.end());
    EXPECT_EQ(distinct.size(), faces.size()) << "each face once";
    for (const std::string& face : faces) {
        EXPECT_NE(face[0], '@') << "no vertical faces: " << face;
    }

    ASSERT_TRUE(CloseWith(dialog, IDOK));
    OptionKeys keys = ReadOptionKeys(dir);
    EXPECT_EQ(keys.size(), 23u);
    EXPECT_EQ(keys["PasteTime"], "250") << "stored as shown, not as the arrows stand";
    EXPECT_EQ(keys["HideTime"], "1999");
    EXPECT_EQ(keys["FontSize"], "10");
    EXPECT_EQ(keys["FontStyle"], "0");
    EXPECT_EQ(keys["Char"], "0");
    EXPECT_EQ(keys["Alpha"], "255");
    EXPECT_EQ(keys["PasteKey"], "-1");
    EXPECT_EQ(keys["TopMost"], "0");
    EXPECT_EQ(keys["TrayIcon"], "1");
    EXPECT_EQ(keys["HotKeys"], "587");
    EXPECT_EQ(distinct.count(keys["FontName"]), 1u)
        << "the face the picker shows, a real one: " << keys["FontName"];
    EXPECT_FALSE(IsTopMost(picker.Picker()));

    // The face stored for the missing one is listed next time.
    dialog = OpenOptions(picker);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SelectedText(dialog, IDC_FONT_NAME), keys["FontName"]);
    ASSERT_TRUE(CloseWith(dialog, IDCANCEL));
}

TEST(Options, BoxesEnableTheirControlsAsClickedAndLeavingWithoutOkChangesNothing)
{
    WorkDir dir;
    const std::string settings = "; the user's own notes\r\n[Option]\r\nPasteTime=250\r\n"
                                 "AutoHide=0\r\nHotKey = 1\r\n";
    dir.Write(SettingsFile, settings);
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    HWND dialog = OpenOptions(picker);
    ASSERT_NE(dialog, nullptr);

    RECT arrows = WindowRectOf(GetDlgItem(dialog, IDC_PASTE_TIME_ARROWS));
    ClickAt((arrows.left + arrows.right) / 2, arrows.top + (arrows.bottom - arrows.top) / 4);
    EXPECT_TRUE(WaitUntil([&] { return ControlText(GetDlgItem(dialog, IDC_PASTE_TIME)) == "300"; }))
        << "one step up from 250 shows 300";

    const struct {
        int box;
        std::vector<int> dependents;
    } rules[] = {
        {IDC_AUTO_PASTE, {IDC_PASTE_TIME, IDC_PASTE_TIME_ARROWS, IDC_PASTE_KEY}},
        {IDC_AUTO_HIDE, {IDC_HIDE_TIME, IDC_HIDE_TIME_ARROWS, IDC_ICONIFY}},
        {IDC_TRAY_ICON, {IDC_CLOSE_EXITS}},
        {IDC_HOT_KEY, {IDC_HOT_KEYS}},
        {IDC_TRANSPARENT, {IDC_ALPHA, IDC_ALPHA_LABEL}},
    };
    for (const auto& rule : rules) {
        SCOPED_TRACE(rule.box);
        for (int click = 0; click < 2; ++click) {
            const bool ticked = Ticked(dialog, rule.box);
            for (int dependent : rule.dependents) {
                EXPECT_EQ(Enabled(dialog, dependent), ticked) << dependent;
            }
            ClickControl(GetDlgItem(dialog, rule.box));
            EXPECT_TRUE(WaitUntil([&] { return Ticked(dialog, rule.box) != ticked; }));
        }
    }

    ASSERT_TRUE(CloseWith(dialog, IDCANCEL));
    EXPECT_EQ(dir.Read(SettingsFile), settings);

    dialog = OpenOptions(picker);
    ASSERT_NE(dialog, nullptr);
    ClickControl(GetDlgItem(dialog, IDC_TOP_MOST));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(dir.Read(SettingsFile), settings);

    dialog = OpenOptions(picker);
    ASSERT_NE(dialog, nullptr);
    ClickControl(GetDlgItem(dialog, IDC_TOP_MOST));
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(dir.Read(SettingsFile), settings);
    EXPECT_TRUE(IsTopMost(picker.Picker())) << "nothing was applied either";
}

TEST(Options, OkPutsEveryChangeIntoEffectAtOnceAndAgainAtEveryOk)
{
    WorkDir dir;
    dir.Write("Vemplor.txt", "a\t(^_^)\nb\t(>_<)\n");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    HWND window = picker.Picker();
    const PickerWindows& controls = picker.Windows();
    ASSERT_TRUE(IsTopMost(window));
    ASSERT_TRUE(IsWindowVisible(controls.filterCombo));
    ASSERT_TRUE(WaitUntil([&] { return TrayIconPresent(window); }));
    ASSERT_TRUE(HotKeyTaken(MOD_CONTROL, 'K'));
    const LRESULT itemHeight = SendMessageA(controls.faceCombo, CB_GETITEMHEIGHT, 0, 0);
    ASSERT_TRUE(ChooseMenuItem(CentreOf(controls.faceCombo), 'E'));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(controls.editListView) != 0; }));

    HWND dialog = OpenDialogFromMenu(CentreOf(controls.editListView), 'O', OptionsCaption);
    ASSERT_NE(dialog, nullptr);
    for (int box : {IDC_TOP_MOST, IDC_TRAY_ICON, IDC_FILTER, IDC_TRANSPARENT}) {
        ClickControl(GetDlgItem(dialog, box));
    }
    Ask(dialog, IDC_ALPHA, TBM_SETPOS, TRUE, 100);
    Ask(dialog, IDC_FONT_SIZE, CB_SETCURSEL, 8);
    Ask(dialog, IDC_HOT_KEYS, HKM_SETHOTKEY, MAKEWORD('J', HOTKEYF_CONTROL));
    ASSERT_EQ(SelectedText(dialog, IDC_FONT_SIZE), "20");
    ASSERT_TRUE(CloseWith(dialog, IDOK));

    EXPECT_FALSE(IsWindowVisible(controls.editListView)) << "OK leaves edit mode";
    EXPECT_TRUE(IsWindowVisible(controls.faceCombo));
    EXPECT_FALSE(IsTopMost(window));
    EXPECT_FALSE(TrayIconPresent(window));
    EXPECT_FALSE(IsWindowVisible(controls.filterCombo));
    EXPECT_EQ(LayeredAlpha(window), 100);
    EXPECT_GT(SendMessageA(controls.faceCombo, CB_GETITEMHEIGHT, 0, 0), itemHeight);
    EXPECT_FALSE(HotKeyTaken(MOD_CONTROL, 'K')) << "the old hotkey is given back";
    EXPECT_TRUE(HotKeyTaken(MOD_CONTROL, 'J'));

    // Each OK re-applies the same settings: the hotkey survives its re-registration and the
    // tray icon comes back when ticked again.
    for (int round = 0; round < 3; ++round) {
        dialog = OpenOptions(picker);
        ASSERT_NE(dialog, nullptr);
        if (round == 2) {
            ClickControl(GetDlgItem(dialog, IDC_TRAY_ICON));
        }
        ASSERT_TRUE(CloseWith(dialog, IDOK));
        EXPECT_TRUE(HotKeyTaken(MOD_CONTROL, 'J'));
    }
    EXPECT_TRUE(TrayIconPresent(window));
    EXPECT_EQ(dir.ReadSetting("Filter"), "0");
    EXPECT_EQ(dir.ReadSetting("FontSize"), "20");
    EXPECT_EQ(dir.ReadSetting("HotKeys"), std::to_string(MAKEWORD('J', HOTKEYF_CONTROL)));
}

TEST(Options, OpenedFromTheTrayWhileHiddenKeepsTheTrayAndHoldsOffTheMenuAndHotKey)
{
    WorkDir dir;
    dir.WriteSetting("Close", "0");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    HWND window = picker.Picker();
    picker.RequestClose();
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }));

    const POINT trayIcon = TrayIconPoint();
    HWND dialog = OpenDialogFromMenu(trayIcon, 'O', OptionsCaption);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(Ticked(dialog, IDC_TRAY_ICON));
    EXPECT_FALSE(Enabled(dialog, IDC_TRAY_ICON)) << "the only way back must not be switched off";

    // Neither a second menu nor the hotkey's list may open under the dialog: were either open,
    // Escape would close it instead of the dialog.
    SettleMouseAt(trayIcon);
    MouseButtonAt(trayIcon, false, true);
    MouseButtonAt(trayIcon, false, false);
    KeyDown(VK_CONTROL);
    PressKey('K');
    KeyUp(VK_CONTROL);
    SetForegroundWindow(dialog);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(VisibleMenuWindow(), nullptr);
    EXPECT_FALSE(IsWindowVisible(picker.Windows().popupCombo));
}

} // namespace
