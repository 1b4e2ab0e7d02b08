// Finding emoticons by reading: romaji typed without the input method finds the tags whose kana
// it spells, in any kana form or width, in list order; the choice pastes what the filter shows,
// and an entry just added is found at once. ReadingSearch=0 brings back the plain match.
#include <gtest/gtest.h>

#include "paste_target_harness.h"
#include "scenario.h"

namespace {

using Reading = PickerScenario;
using Faces = std::vector<std::string>;

// Tags in hiragana, katakana and half-width katakana, near misses, and a face holding ネコ:
// romaji never applies to a face.
const std::string CatsAndOthers = "ねこ\t(=^・^=)\n"
                                  "いぬ\tU^ェ^U\n"
                                  "ネコ\t(=ﾟωﾟ=)\n"
                                  "ねずみ\t(:3 )\n"
                                  "ﾈｺ\t(^・ω・^)\n"
                                  "\t(ネコ)\n"
                                  "のこ\t(ノ_<)\n";

bool Shows(const PickerWindows& windows, const std::string& title, const Faces& faces)
{
    return WaitUntil([&] {
        return WindowTitle(windows.picker) == title && ComboItems(windows.faceCombo) == faces;
    });
}

TEST_F(Reading, RomajiFindsTheKanaTagsInOrderTheChoicePastesAndANewEntryIsFoundAtOnce)
{
    ASSERT_TRUE(Start({{FaceFile, CatsAndOthers}}));
    RunningPasteTarget target;
    ASSERT_TRUE(MakePasteTarget(target, windows.picker, windows.faceCombo));

    ClickControl(windows.filterEdit);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(windows.picker) == windows.filterEdit; }));
    TypeText("neko");
    ASSERT_TRUE(WaitUntil([&] { return ControlText(windows.filterEdit) == "neko"; }));
    EXPECT_TRUE(Shows(windows, "Vemplor 登録数[3/7]", {"(=^・^=)", "(=ﾟωﾟ=)", "(^・ω・^)"}))
        << WindowTitle(windows.picker);

    ASSERT_TRUE(OpenListAt(windows.faceCombo, 1));
    ConfirmOpenList(windows.faceCombo);
    EXPECT_TRUE(WaitUntil([&] { return target.Text() == "(=ﾟωﾟ=)"; })) << target.Text();
    EXPECT_TRUE(Shows(windows, "Vemplor 登録数[3/7]", {"(=ﾟωﾟ=)", "(=^・^=)", "(^・ω・^)"}));

    // Kana find the faces too, in the order the choice left; a face added from the clipboard
    // is found by its folded text at once, even by ゔ, which Shift-JIS cannot hold.
    SetFilterText(windows, "ねこ");
    EXPECT_TRUE(Shows(windows, "Vemplor 登録数[4/7]",
                      {"(=ﾟωﾟ=)", "(=^・^=)", "(^・ω・^)", "(ネコ)"}));
    SetClipboardText("(ｳﾞﾈｺ)");
    HWND dialog = OpenDialogOver(windows.faceCombo, 'L', "クリップボードから追加");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ClickAndWaitClosed(dialog, IDOK));
    EXPECT_TRUE(Shows(windows, "Vemplor 登録数[5/8]",
                      {"(ｳﾞﾈｺ)", "(=ﾟωﾟ=)", "(=^・^=)", "(^・ω・^)", "(ネコ)"}));
    SetUtf8FilterText(windows, "\xE3\x82\x94"); // ゔ
    EXPECT_TRUE(Shows(windows, "Vemplor 登録数[1/8]", {"(ｳﾞﾈｺ)"}));
}

TEST_F(Reading, ReadingSearchZeroMatchesThePlainTextOnly)
{
    ASSERT_TRUE(Start({{FaceFile, CatsAndOthers}}, {{"ReadingSearch", "0"}}));
    SetFilterText(windows, "neko");
    EXPECT_TRUE(Shows(windows, "Vemplor 登録数[0/7]", {}));
    SetFilterText(windows, "ネコ");
    EXPECT_TRUE(Shows(windows, "Vemplor 登録数[2/7]", {"(=ﾟωﾟ=)", "(ネコ)"}));
}

} // namespace
