// A user's input-method dictionary brought into a list that already holds some of its faces,
// through the file dialog and the preview: new faces at the end, readings added to the faces the
// list held, found by reading at once; then the list sent back as a dictionary.
#include <gtest/gtest.h>

#include <string>

#include "scenario.h"

namespace {

using ImportExport = PickerScenario;

const char* const ImportCaption = "インポート";
const char* const ExportCaption = "エクスポート";
// The file dialogs' file name box.
const int FileNameBox = 1148;
const int ImportSummary = 1038;
const int EveryWordBox = 1039;

std::string Utf16LeWithMark(const std::string& utf8)
{
    std::wstring text = WideFromUtf8(utf8);
    std::string bytes = "\xFF\xFE";
    for (wchar_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// Names the file in the open file dialog and confirms it; true once the dialog has gone.
bool ChooseFileIn(HWND fileDialog, const std::string& path)
{
    if (fileDialog == nullptr) {
        return false;
    }
    SendMessageW(GetDlgItem(fileDialog, FileNameBox), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(WideFromUtf8(path).c_str()));
    PostMessageW(fileDialog, WM_COMMAND, IDOK, 0);
    return WaitUntil([&] { return !IsWindow(fileDialog); });
}

std::string Counter(std::size_t shown, std::size_t total)
{
    return "Vemplor 登録数[" + std::to_string(shown) + "/" + std::to_string(total) + "]";
}

TEST_F(ImportExport, ADictionaryIsMergedIntoTheListAndTheListGoesBackOutAsADictionary)
{
    ASSERT_TRUE(Start({{FaceFile, "にこ\t(^_^)\r\n\t(;_;)\r\n笑\t(o_o)"}}));
    dir.Write("dict.txt", Utf16LeWithMark(u8"!Microsoft IME Dictionary Tool\r\n!Version:\r\n"
                                          u8"!Format:WORDLIST\r\n\r\n"
                                          u8"わらい\t(^_^)\t顔文字\r\nにこ\t(^_^)\t顔文字\r\n"
                                          u8"なく\t(;_;)\t顔文字\tなみだ\r\nねこ\t(=^・^=)\t顔文字\r\n"
                                          u8"にゃー\t(=^・^=)\t顔文字\r\nかお\t顔\t名詞\r\n"));

    ASSERT_TRUE(ChooseFromContextMenu(windows.faceCombo, 'M'));
    ASSERT_TRUE(ChooseFileIn(WaitForDialog(ImportCaption), dir.PathOf("dict.txt")));
    HWND preview = WaitForDialog(ImportCaption);
    ASSERT_NE(preview, nullptr);
    std::string summary = Utf8ControlText(GetDlgItem(preview, ImportSummary));
    EXPECT_EQ(summary.find(u8"顔文字 1 件を追加し、2 件に読みを加えます。"), 0u) << summary;
    EXPECT_NE(summary.find(u8"品詞が顔文字でない 1 語は取り込みません。"), std::string::npos) << summary;
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(preview, EveryWordBox)));
    EXPECT_EQ(WindowTitle(windows.picker), Counter(3, 3)) << "nothing changes before OK";
    ASSERT_TRUE(ClickAndWaitClosed(preview, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return WindowTitle(windows.picker) == Counter(4, 4); }));

    ClickControl(windows.filterEdit);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(windows.picker) == windows.filterEdit; }));
    TypeText("nya");
    EXPECT_TRUE(WaitUntil([&] { return WindowTitle(windows.picker) == Counter(1, 4); }));
    EXPECT_TRUE(WaitUntil([&] { return Utf8ComboItems(windows.faceCombo) == std::vector<std::string>{u8"(=^・^=)"}; }));

    // The kanji tag is no reading: that entry is named, the rest written one line a reading.
    ASSERT_TRUE(ChooseFromContextMenu(windows.faceCombo, 'T'));
    ASSERT_TRUE(ChooseFileIn(WaitForDialog(ExportCaption), dir.PathOf("out.txt")));
    HWND report = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (report = MessageBoxOver(windows.picker)) != nullptr; }));
    std::string reported = MessageText(report);
    EXPECT_EQ(reported.find("顔文字 3 件を Microsoft IME の辞書として書き出しました（5 行）。"), 0u)
        << reported;
    EXPECT_NE(reported.find("\n(o_o)"), std::string::npos) << reported;
    ASSERT_TRUE(ClickAndWaitClosed(report, IDOK));
    std::string exported = dir.Read("out.txt");
    EXPECT_EQ(exported.substr(0, 2), "\xFF\xFE");
    EXPECT_NE(exported.find(Utf16LeWithMark(u8"にゃー\t(=^・^=)\t顔文字\r\n").substr(2)), std::string::npos);

    ASSERT_EQ(CloseAndWait(picker), 0);
    EXPECT_EQ(dir.Read(FaceFile),
              "にこ わらい\t(^_^)\r\nなく\t(;_;)\r\n笑\t(o_o)\r\nねこ にゃー\t(=^・^=)");
}

// A face Shift-JIS has no place for turns the list into UTF-8, as the picker says, and the list
// keeps every entry and reading it had.
TEST_F(ImportExport, AFaceShiftJisCannotHoldTurnsTheListIntoUtf8)
{
    // Outside the checks' macros, which would spell it in the narrow Shift-JIS literals.
    const std::string unheld = u8"(ʘ‿ʘ)";
    ASSERT_TRUE(Start({{FaceFile, "にこ\t(^_^)"}}));
    dir.Write("dict.txt", u8"わらい\t(^_^)\t顔文字\nめ\t" + unheld + u8"\t顔文字\n");

    ASSERT_TRUE(ChooseFromContextMenu(windows.faceCombo, 'M'));
    ASSERT_TRUE(ChooseFileIn(WaitForDialog(ImportCaption), dir.PathOf("dict.txt")));
    HWND preview = WaitForDialog(ImportCaption);
    ASSERT_NE(preview, nullptr);
    ASSERT_TRUE(ClickAndWaitClosed(preview, IDOK));
    HWND notice = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (notice = MessageBoxOver(windows.picker)) != nullptr; }));
    EXPECT_NE(MessageText(notice).find("UTF-8 で保存します"), std::string::npos) << MessageText(notice);
    ASSERT_TRUE(ClickAndWaitClosed(notice, IDOK));
    EXPECT_EQ(Utf8ComboItems(windows.faceCombo), (std::vector<std::string>{u8"(^_^)", unheld}));

    ASSERT_EQ(CloseAndWait(picker), 0);
    EXPECT_EQ(dir.Read(FaceFile), "\xEF\xBB\xBF" + std::string(u8"にこ わらい\t(^_^)\r\nめ\t") + unheld);
}

} // namespace
