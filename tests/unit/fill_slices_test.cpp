#include "view/fill_slices.h"

#include <gtest/gtest.h>

namespace {

int FaceControl;
int PopupControl;

TEST(FillSlices, TheRowsAScreenCanShowGoInFirstAndAChoiceFarDownCompletesUpToItself)
{
    EXPECT_EQ(RowsOnScreen(768, 16, 100000), 49u) << "48 whole rows and one cut by the edge";
    EXPECT_EQ(RowsOnScreen(768, 16, 12), 12u);
    EXPECT_EQ(RowsOnScreen(768, 0, 500), 500u) << "an unknown row height hands over everything";

    TextList whole(1000, "face");
    PendingFill fill{&FaceControl, &whole, 49};
    EXPECT_EQ(EndThrough(fill, 500), 501u);
    EXPECT_EQ(EndThrough(fill, 10), 49u) << "already there";
    EXPECT_EQ(EndThrough(fill, 5000), 1000u) << "no further than the list";
}

TEST(FillSlices, ANewFillOfAControlGivesUpItsOldOneAndLeavesTheOthersRunning)
{
    TextList whole(1000, "face");
    TextList shown(300, "shown");
    PendingFills fills;
    NoteHanded(fills, &FaceControl, whole, 49);
    NoteHanded(fills, &PopupControl, whole, 49);
    NoteHanded(fills, &FaceControl, shown, 49);
    ASSERT_EQ(fills.size(), 2u);
    ASSERT_NE(FillOf(fills, &FaceControl), nullptr);
    EXPECT_EQ(FillOf(fills, &FaceControl)->source, &shown);
    ASSERT_NE(FillOf(fills, &PopupControl), nullptr);
    EXPECT_EQ(FillOf(fills, &PopupControl)->source, &whole);

    NoteHanded(fills, &FaceControl, shown, 300);
    EXPECT_EQ(FillOf(fills, &FaceControl), nullptr) << "a control holding its whole list";
    NoteHanded(fills, &PopupControl, TextList(), 0);
    EXPECT_TRUE(fills.empty()) << "an empty list is complete at once";
}

} // namespace
