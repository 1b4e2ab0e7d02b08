// The list file in hostile hands: held open by another program, changed behind the picker's
// back, or holding entries that end in half a character. The user's list survives each.
#include <gtest/gtest.h>

#include "paste_target_harness.h"
#include "scenario.h"

namespace {

using ListFile = PickerScenario;

const std::string KeptAsideFile = "Vemplor.unsaved.txt";
const std::string ThreeFaces = "a\t(^_^)\r\nb\t(;_;)\r\nc\t(-_-)";
const std::string ThirdOnTop = "c\t(-_-)\r\na\t(^_^)\r\nb\t(;_;)";

TEST_F(ListFile, AListHeldByAnotherProgramIsNeverWrittenOverAndTheSessionsWorkIsKeptAside)
{
    Prepare({{FaceFile, ThreeFaces}});
    HeldFile holder(dir.PathOf(FaceFile));
    ASSERT_TRUE(holder.Held());
    ASSERT_TRUE(Launch());
    EXPECT_EQ(WindowTitle(picker.Picker()), "Vemplor 登録数[0/0]");

    // Once the other program lets go, the list is there when the user comes back (what the
    // picker shows then is the signal to wait for).
    holder.Release();
    RunningPasteTarget elsewhere;
    ASSERT_TRUE(elsewhere.Started());
    SetForegroundWindow(picker.Picker());
    ASSERT_TRUE(TitleBecomes(picker.Picker(), "Vemplor 登録数[3/3]"));
    ChooseFace(picker.Picker(), windows.faceCombo, 2);
    EXPECT_EQ(ComboItem(windows.faceCombo, 0), "(-_-)");

    // Held again at exit: the file stays as it is and the new order waits beside it.
    HeldFile again(dir.PathOf(FaceFile));
    ASSERT_TRUE(again.Held());
    EXPECT_EQ(CloseAndWait(picker), 0);
    again.Release();
    EXPECT_EQ(dir.Read(FaceFile), ThreeFaces);
    EXPECT_EQ(dir.Read(KeptAsideFile), ThirdOnTop);
}

TEST_F(ListFile, AChangeMadeElsewhereIsShownOnReturnAndNeverWrittenOver)
{
    ASSERT_TRUE(Start({{FaceFile, ThreeFaces}}));
    ChooseFace(picker.Picker(), windows.faceCombo, 2);

    // The user edits the list in another program and comes back.
    RunningPasteTarget elsewhere;
    ASSERT_TRUE(elsewhere.Started());
    dir.Write(FaceFile, "x\t(^o^)\r\ny\t(T_T)");
    SetForegroundWindow(picker.Picker());
    ASSERT_TRUE(TitleBecomes(picker.Picker(), "Vemplor 登録数[2/2]"));
    EXPECT_EQ(ComboItems(windows.faceCombo), (std::vector<std::string>{"(^o^)", "(T_T)"}));
    EXPECT_EQ(dir.Read(KeptAsideFile), ThirdOnTop);

    // Edited again while the picker is in the background: the exit reads it instead of saving.
    ASSERT_TRUE(elsewhere.BringToFront());
    const std::string editedAgain = "z\t(*_*)\r\nq\r\n";
    dir.Write(FaceFile, editedAgain);
    EXPECT_EQ(CloseAndWait(picker), 0);
    EXPECT_EQ(dir.Read(FaceFile), editedAgain);
}

TEST_F(ListFile, EntriesEndingInHalfACharacterAreShownWholeAndKeepTheirBytes)
{
    // 640 bytes: 64 entries, each ending in a Shift-JIS lead byte without its second byte.
    const std::string leads = "\x81\x88\x9F\xE0\xEA\xFC";
    std::string list;
    for (std::size_t i = 0; i < 64; ++i) {
        list += i == 0 ? "" : "\r\n";
        list += i == 63 ? "\t(^_^)abc" : "\t(^_^)a";
        list += leads[i % leads.size()];
    }
    ASSERT_EQ(list.size(), 640u);
    ASSERT_TRUE(Start({{FaceFile, list}}));
    EXPECT_EQ(WindowTitle(picker.Picker()), "Vemplor 登録数[64/64]");
    // Rows beyond those a dropped list shows at once go in between the user's input.
    EXPECT_TRUE(WaitUntil([&] { return ComboItems(windows.faceCombo).size() == 64u; }));
    EXPECT_EQ(ComboItem(windows.faceCombo, 63), "(^_^)abc?");
    RECT filter = WindowRectOf(windows.filterCombo);
    EXPECT_GT(filter.right - filter.left, 20);

    ChooseFace(picker.Picker(), windows.faceCombo, 0);
    std::string copied;
    EXPECT_TRUE(WaitUntil([&] { return ReadClipboardText(copied) && copied == "(^_^)a\x81"; }))
        << copied;
    EXPECT_EQ(CloseAndWait(picker), 0);
    EXPECT_EQ(dir.Read(FaceFile), list);
}

} // namespace
