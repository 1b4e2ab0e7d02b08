// Lists in UTF-8 and folders named in any characters, on any system code page: the picker shows,
// finds, pastes and saves the exact characters. These scenarios also run under a Wine whose
// code page is not 932 (VEMPLOR_OTHER_CODE_PAGE set), where only wide text may be trusted.
#include <gtest/gtest.h>

#include <cstdlib>

#include "paste_target_harness.h"
#include "resource.h"
#include "scenario.h"

namespace {

using AnyCodePage = PickerScenario;

const std::string Bear = u8"ʕ •ᴥ• ʔ";
const std::string Heart = u8"(♡˙︶˙♡)";
const std::string Cat = u8"(=^・^=)";
const std::string Utf8Mark = "\xEF\xBB\xBF";

std::string Utf8Title(HWND window)
{
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    return Utf8FromWide(title);
}

void ExpectTheCodePageAsked()
{
    if (std::getenv("VEMPLOR_OTHER_CODE_PAGE") != nullptr) {
        ASSERT_NE(GetACP(), 932u) << "the run under another code page did not get one";
    }
}

TEST_F(AnyCodePage, AUtf8ListShowsFindsPastesAndSavesItsOwnCharacters)
{
    for (const std::string& mark : {std::string(), Utf8Mark}) {
        SCOPED_TRACE(mark.empty() ? "without a byte-order mark" : "with a byte-order mark");
        ASSERT_TRUE(Start({{FaceFile, mark + u8"くま\t" + Bear + u8"\r\nはーと\t" + Heart +
                                          u8"\r\nねこ\t" + Cat}}));
        ExpectTheCodePageAsked();
        EXPECT_EQ(Utf8ComboItems(windows.faceCombo), (std::vector<std::string>{Bear, Heart, Cat}));
        RunningPasteTarget target;
        ASSERT_TRUE(target.Started());
        ASSERT_TRUE(MakePasteTarget(target, windows.picker, windows.faceCombo));

        SetUtf8FilterText(windows, u8"♡");
        EXPECT_EQ(Utf8ComboItems(windows.faceCombo), (std::vector<std::string>{Heart}));
        EXPECT_EQ(Utf8Title(windows.picker), u8"Vemplor 登録数[1/3]");
        SetUtf8FilterText(windows, u8"ま");
        EXPECT_EQ(Utf8ComboItems(windows.faceCombo), (std::vector<std::string>{Bear}));
        SetUtf8FilterText(windows, u8"はーと");
        ChooseFace(windows.picker, windows.faceCombo, 0);
        ASSERT_TRUE(WaitUntil([&] { return target.Utf8Text() == Heart; })) << target.Utf8Text();
        EXPECT_EQ(Utf8ClipboardText(), Heart);

        SetUtf8FilterText(windows, "");
        ASSERT_TRUE(EnterEditModeOverList(windows));
        EXPECT_EQ(Utf8ListViewCell(windows.editListView, 0, 1), Heart);
        EXPECT_EQ(Utf8ListViewCell(windows.editListView, 1, 0), u8"くま");
        ASSERT_EQ(CloseAndWait(picker), 0);
        EXPECT_TRUE(dir.Read(FaceFile) == mark + u8"はーと\t" + Heart + u8"\r\nくま\t" + Bear +
                                               u8"\r\nねこ\t" + Cat)
            << "the chosen face moved to the top, every other byte as it was";
    }
}

TEST_F(AnyCodePage, AFolderNamedInAnyCharactersHoldsTheLists)
{
    const std::string list = Utf8Mark + u8"くま\t" + Bear;
    Prepare({{FaceFile, list}}, {}, u8"表情 ☺");
    ASSERT_TRUE(Launch());
    ExpectTheCodePageAsked();
    EXPECT_EQ(Utf8ComboItems(windows.faceCombo), (std::vector<std::string>{Bear}));
    ASSERT_EQ(CloseAndWait(picker), 0);
    EXPECT_TRUE(dir.Read(FaceFile) == list);
    EXPECT_TRUE(dir.Exists(SettingsFile)) << "the settings are saved beside the list";
}

// The clipboard's ANSI text is in the system's code page, where ° has another byte than in
// Shift-JIS: a Shift-JIS list's choice reaches programs that read ANSI text as the same
// characters, and ANSI text another program placed comes into the list as its characters.
std::string InSystemCodePage(const std::string& shiftJis, const std::string& codePage1252)
{
    return GetACP() == 932 ? shiftJis : codePage1252;
}

TEST_F(AnyCodePage, TheClipboardsAnsiTextIsInTheSystemsCodePage)
{
    const std::string degrees = "(\x81\x8Bo\x81\x8B)";
    ASSERT_TRUE(Start({{FaceFile, "\t" + degrees + "\r\nねこ\t(=^・^=)"}}, {{"AutoPaste", "0"}}));
    ExpectTheCodePageAsked();

    ChooseFace(windows.picker, windows.faceCombo, 0);
    std::string ansi;
    const std::string degreesAnsi = InSystemCodePage(degrees, "(\xB0o\xB0)");
    EXPECT_TRUE(WaitUntil([&] { return ReadClipboardText(ansi) && ansi == degreesAnsi; })) << ansi;
    EXPECT_EQ(Utf8ClipboardText(), u8"(°o°)");

    SetClipboardText(InSystemCodePage("(\x81\x8B_\x81\x8B)", "(\xB0_\xB0)"));
    HWND dialog = OpenDialogOver(windows.faceCombo, 'L', "クリップボードから追加");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Utf8ControlText(GetDlgItem(dialog, IDC_CLIP_ADD_TEXT)), u8"(°_°)");
    ASSERT_TRUE(ClickAndWaitClosed(dialog, IDOK));
    EXPECT_EQ(Utf8ComboItems(windows.faceCombo),
              (std::vector<std::string>{u8"(°_°)", u8"(°o°)", u8"(=^・^=)"}));
    ASSERT_EQ(CloseAndWait(picker), 0);
    EXPECT_TRUE(dir.Read(FaceFile) ==
                "\t(\x81\x8B_\x81\x8B)\r\n\t" + degrees + "\r\nねこ\t(=^・^=)")
        << "a Shift-JIS list, written in Shift-JIS";
}

} // namespace
