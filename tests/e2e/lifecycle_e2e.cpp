// Starting, closing and saving: the list and the window's place survive every way the program
// ends, and a failed save never costs the user the list they had.
#include <gtest/gtest.h>

#include "resource.h"
#include "scenario.h"

namespace {

using Lifecycle = PickerScenario;

TEST_F(Lifecycle, ListIsRewrittenInTheSavedFormatOnClose)
{
    ASSERT_TRUE(Start({{FaceFile, "x\n顔\nsmile\t(^_^)\r\n\n\tlonely\ntag\tface\twith tab\n"}}));
    EXPECT_EQ(ComboItems(windows.faceCombo),
              (std::vector<std::string>{"顔", "(^_^)", "lonely", "face\twith tab"}));
    EXPECT_EQ(ComboSelection(windows.faceCombo), 0);

    EXPECT_EQ(CloseAndWait(picker), 0);
    EXPECT_EQ(dir.Read(FaceFile), "\t顔\r\nsmile\t(^_^)\r\n\tlonely\r\ntag\tface\twith tab");
    EXPECT_FALSE(dir.Exists(FaceFile + ".saving"));
}

TEST_F(Lifecycle, MissingFilesGiveAnEmptyPickerAndTheListFileIsCreatedAtExit)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(ComboItems(windows.faceCombo).empty());
    EXPECT_TRUE(ComboItems(windows.filterCombo).empty());

    EXPECT_EQ(CloseAndWait(picker), 0);
    std::string saved;
    ASSERT_TRUE(dir.Read(FaceFile, saved));
    EXPECT_EQ(saved, "");
    EXPECT_FALSE(dir.Exists(FilterFile));
    EXPECT_EQ(dir.ReadSetting("Left"), "0");
    EXPECT_EQ(dir.ReadSetting("Top"), "0");
    EXPECT_EQ(dir.ReadSetting("Width"), "300");
    EXPECT_EQ(dir.ReadSetting("Close"), "<absent>");
}

TEST_F(Lifecycle, FilterFileLinesBecomeFilterItemsIncludingTheTrailingEmptyOne)
{
    ASSERT_TRUE(Start({{FilterFile, "猫\r\n\r\nsmile\n"}}));
    EXPECT_EQ(ComboItems(windows.filterCombo), (std::vector<std::string>{"猫", "", "smile", ""}));
    EXPECT_EQ(WindowTitle(windows.filterCombo), "");
}

TEST_F(Lifecycle, CloseSettingDecidesBetweenQuittingAndHiding)
{
    ASSERT_TRUE(Start({}, {{"Close", "0"}, {"TrayIcon", "0"}}));
    EXPECT_EQ(CloseAndWait(picker), 0) << "without a tray icon closing must quit";

    ASSERT_TRUE(Start({{FaceFile, "\t(^_^)"}}, {{"Close", "0"}}));
    picker.RequestClose();
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(picker.Picker()); }));
    EXPECT_TRUE(picker.Running()) << "with the tray icon closing only hides";

    // Closing is read from the file at each request: no restart needed.
    dir.WriteSetting("Close", "1");
    EXPECT_EQ(CloseAndWait(picker), 0);
}

TEST_F(Lifecycle, OnlyTheSideEdgesResize)
{
    ASSERT_TRUE(Start());
    HWND window = picker.Picker();
    RECT rect = WindowRectOf(window);
    int middleX = (rect.left + rect.right) / 2;
    int middleY = (rect.top + rect.bottom) / 2;
    auto hitAt = [&](int x, int y) {
        return SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
    };
    EXPECT_EQ(hitAt(middleX, rect.top), HTBORDER);
    EXPECT_EQ(hitAt(middleX, rect.bottom - 1), HTBORDER);
    EXPECT_EQ(hitAt(rect.left, rect.top), HTBORDER);
    EXPECT_EQ(hitAt(rect.right - 1, rect.bottom - 1), HTBORDER);
    EXPECT_EQ(hitAt(rect.left, middleY), HTLEFT);
    EXPECT_EQ(hitAt(rect.right - 1, middleY), HTRIGHT);
    EXPECT_EQ(hitAt(rect.right + 50, rect.bottom + 50), HTNOWHERE);
}

TEST_F(Lifecycle, DraggingTheEdgesKeepsTheHeightAndThe300PixelMinimum)
{
    ASSERT_TRUE(Start({}, {{"Left", "100"}, {"Top", "200"}, {"Width", "500"}}));
    HWND window = picker.Picker();
    RECT before = WindowRectOf(window);
    ASSERT_EQ(before.right - before.left, 500);
    int middleY = (before.top + before.bottom) / 2;

    auto sizing = [&] { return InMoveOrSize(window); };
    DragMouse({before.right - 2, middleY}, {before.right - 400, middleY}, sizing);
    // Input is processed asynchronously: wait for the drag's end state, which a missing minimum
    // would never reach.
    WaitUntil([&] { return WindowRectOf(window).right == before.left + 300; });
    RECT narrowed = WindowRectOf(window);
    EXPECT_EQ(narrowed.right - narrowed.left, 300);
    EXPECT_EQ(narrowed.bottom - narrowed.top, before.bottom - before.top);

    // The bottom edge is inert: this drag must leave the height as it was.
    DragMouse({narrowed.left + 5, before.bottom - 2}, {narrowed.left + 5, before.bottom + 150});
    DragMouse({narrowed.left + 1, middleY}, {narrowed.left - 99, middleY}, sizing);
    WaitUntil([&] { return WindowRectOf(window).left == narrowed.left - 100; });
    ASSERT_TRUE(WaitUntil([&] { return !InMoveOrSize(window); }));
    RECT widened = WindowRectOf(window);
    EXPECT_EQ(widened.right - widened.left, 400);
    EXPECT_EQ(widened.bottom - widened.top, before.bottom - before.top);

    EXPECT_EQ(CloseAndWait(picker), 0);
    EXPECT_EQ(dir.ReadSetting("Width"), "400");
    EXPECT_EQ(dir.ReadSetting("Left"), "0");
}

TEST_F(Lifecycle, AFailedSaveLeavesTheOldListIntact)
{
    const std::string original = "old\t(^_^)\nkeep\t(;_;)\n";
    Prepare({{FaceFile, original}});
    SetFileAttributesA(dir.PathOf(FaceFile).c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(Launch());
    EXPECT_EQ(CloseAndWait(picker), 0);
    EXPECT_EQ(dir.Read(FaceFile), original) << "a read-only list is not overwritten";
    EXPECT_FALSE(dir.Exists(FaceFile + ".saving"));

    // A directory named like the temporary file is stepped around, not written into.
    Prepare({{FaceFile, original}});
    CreateDirectoryA(dir.PathOf(FaceFile + ".saving").c_str(), nullptr);
    ASSERT_TRUE(Launch());
    EXPECT_EQ(CloseAndWait(picker), 0);
    EXPECT_EQ(dir.Read(FaceFile), "old\t(^_^)\r\nkeep\t(;_;)");
    EXPECT_EQ(GetFileAttributesA(dir.PathOf(FaceFile + ".saving").c_str()),
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

TEST_F(Lifecycle, EndOfTheWindowsSessionSavesTheListAndThePlace)
{
    ASSERT_TRUE(Start({{FaceFile, "a\t(^_^)\n\t(;_;)\n"}}, {{"Left", "40"}, {"Top", "60"}}));
    EXPECT_EQ(SendMessageA(picker.Picker(), WM_QUERYENDSESSION, 0, 0), TRUE);
    SendMessageA(picker.Picker(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(dir.Read(FaceFile), "a\t(^_^)\r\n\t(;_;)");
    EXPECT_EQ(dir.ReadSetting("Width"), "300");
    EXPECT_EQ(dir.ReadSetting("Left"), "40");
    EXPECT_TRUE(picker.Running()) << "the session's end saves but leaves the teardown to Windows";
}

TEST_F(Lifecycle, ACancelledSessionEndSavesNothing)
{
    ASSERT_TRUE(Start({{FaceFile, "a\t(^_^)\n"}}));
    SendMessageA(picker.Picker(), WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(dir.Read(FaceFile), "a\t(^_^)\n");
    EXPECT_EQ(dir.ReadSetting("Width"), "<absent>");
}

TEST_F(Lifecycle, AnExitAskedForWhileTheOptionsDialogIsOpenWaitsUntilItCloses)
{
    ASSERT_TRUE(Start({{FaceFile, "a\t(^_^)\nb\t(;_;)\n"}}));
    RECT combo = WindowRectOf(windows.faceCombo);
    HWND dialog = OpenDialogFromMenu({(combo.left + combo.right) / 2, combo.top + 4}, 'O',
                                     OptionsCaption);
    ASSERT_NE(dialog, nullptr);

    PostMessageA(picker.Picker(), WM_CLOSE, 0, 0);
    // Input is taken after posted messages: once the click has ticked the box, the close and
    // what it posted have been handled, and the dialog is still there to use.
    HWND box = GetDlgItem(dialog, IDC_TOP_MOST);
    LRESULT before = SendMessageA(box, BM_GETCHECK, 0, 0);
    ClickControl(box);
    EXPECT_TRUE(WaitUntil([&] { return SendMessageA(box, BM_GETCHECK, 0, 0) != before; }));
    EXPECT_TRUE(picker.Running());
    ClickControl(GetDlgItem(dialog, IDCANCEL));

    EXPECT_EQ(picker.WaitForExit(), 0);
    EXPECT_EQ(dir.Read(FaceFile), "a\t(^_^)\r\nb\t(;_;)");
}

} // namespace
