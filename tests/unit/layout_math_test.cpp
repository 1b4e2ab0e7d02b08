#include "view/layout_math.h"
#include "app/transparency_rule.h"

#include <gtest/gtest.h>

TEST(LayoutMath, FilterTakesTheLeftThirdAndFaceComboTheRest)
{
    const int filterWidth = FilterComboWidth(301, true);
    EXPECT_EQ(filterWidth, 100);
    const FaceComboPlacement face = PlaceFaceCombo(filterWidth, 301);
    EXPECT_EQ(face.x, 100);
    EXPECT_EQ(face.width, 201);

    EXPECT_EQ(FilterComboWidth(302, true), 100);
    EXPECT_EQ(FilterComboWidth(2, true), 0);
}

TEST(LayoutMath, HiddenFilterGivesFaceComboTheWholeRowAndNoTagColumn)
{
    const int filterWidth = FilterComboWidth(301, false);
    EXPECT_EQ(filterWidth, 0);
    const FaceComboPlacement face = PlaceFaceCombo(filterWidth, 301);
    EXPECT_EQ(face.x, 0);
    EXPECT_EQ(face.width, 301);

    const EditListColumnWidths columns = EditListColumns(filterWidth, face.width, 17);
    EXPECT_EQ(columns.tagColumn, 0);
    EXPECT_EQ(columns.faceColumn, 284);
}

TEST(LayoutMath, ColumnsFollowTheCombosLessAScrollBar)
{
    const EditListColumnWidths columns = EditListColumns(100, 201, 17);
    EXPECT_EQ(columns.tagColumn, 100);
    EXPECT_EQ(columns.faceColumn, 184);
}

TEST(LayoutMath, ColumnWidthsTravelAsTheirLow16Bits)
{
    const EditListColumnWidths wide = EditListColumns(70000, 65536 + 20, 17);
    EXPECT_EQ(wide.tagColumn, 70000 - 65536);
    EXPECT_EQ(wide.faceColumn, 3);

    // A face combo narrower than the scroll bar gives a negative width, sent as 0xFFFx.
    const EditListColumnWidths narrow = EditListColumns(0, 10, 17);
    EXPECT_EQ(narrow.faceColumn, 0xFFF9);
}

TEST(LayoutMath, PickerHeightIsOneComboRowUnderTheCaption)
{
    const int allowance = CaptionAllowance(2, 1, 4, 17);
    EXPECT_EQ(allowance, 24);
    EXPECT_EQ(PickerOuterHeight(22, allowance), 46);
}

TEST(LayoutMath, EditModeReachesAsFarAboveTheScreenBottomAsTheWindowWasTall)
{
    EXPECT_EQ(EditModeOuterHeight(1024, 150), 874);
    EXPECT_EQ(EditModeOuterHeight(768, 46), 722);
}

TEST(LayoutMath, DropDownListReachesTheWorkAreaHeight)
{
    const int comboFieldHeight = 22;
    const int comboHeight = DropDownHeight(1000, 100, comboFieldHeight);
    EXPECT_EQ(comboHeight, 922);
    EXPECT_EQ(comboHeight - comboFieldHeight, 900);

    // A window ending at the height of the work area leaves the list no room.
    EXPECT_EQ(DropDownHeight(1000, 1000, comboFieldHeight), comboFieldHeight);
}

TEST(LayoutMath, AlphaIsTheLowByteButNoFainterThanTheSliderWhileTransparent)
{
    EXPECT_EQ(TransparencyAlpha(true, 300), 44);
    EXPECT_EQ(TransparencyAlpha(true, 128), 128);
    EXPECT_EQ(TransparencyAlpha(true, 255), 255);
    EXPECT_EQ(TransparencyAlpha(true, 256), 10) << "never an invisible window";
    EXPECT_EQ(TransparencyAlpha(true, 0), 10);
    EXPECT_EQ(TransparencyAlpha(true, 265), 10);
    EXPECT_EQ(TransparencyAlpha(true, 267), 11);
    EXPECT_EQ(TransparencyAlpha(true, 10), 10);
    EXPECT_EQ(TransparencyAlpha(true, -1), 255);
    EXPECT_EQ(TransparencyAlpha(false, 300), 255);
    EXPECT_EQ(TransparencyAlpha(false, 10), 255);
    EXPECT_EQ(TransparencyAlpha(false, 0), 255);
}

struct VersionCase {
    unsigned long platform;
    unsigned long major;
    unsigned long minor;
    bool layered;
};

TEST(TransparencyRule, OnlyNtFromFiveToFivePointTwoAndFromSixOnAreLayered)
{
    const VersionCase cases[] = {
        {2, 3, 51, false}, {2, 4, 0, false},  {2, 5, 0, true},   {2, 5, 1, true},
        {2, 5, 2, true},   {2, 5, 3, false},  {2, 6, 0, true},   {2, 6, 1, true},
        {2, 6, 3, true},   {2, 10, 0, true},  {2, 4, 90, false}, {1, 4, 0, false},
        {1, 4, 10, false}, {1, 4, 90, false}, {1, 5, 0, false},  {1, 6, 0, false},
        {0, 0, 0, false},  {0, 6, 1, false},  {3, 10, 0, false},
    };
    for (const VersionCase& c : cases) {
        EXPECT_EQ(LayeringAllowed(c.platform, c.major, c.minor), c.layered)
            << "platform " << c.platform << ", version " << c.major << "." << c.minor;
    }
}

TEST(LayoutMath, SizesAt96DpiScaleToTheWindowsDpiRoundingAsMulDiv)
{
    struct Case {
        int pixelsAt96;
        int dpi;
        int scaled;
    };
    const Case cases[] = {
        {300, 96, 300},  // 100 %: every size exactly as written
        {300, 144, 450}, // 150 %
        {300, 192, 600}, // 200 %
        {300, 120, 375}, // 125 %
        {1, 144, 2},     // 1.5 rounds up, as MulDiv does
        {3, 144, 5},     // 4.5 too
        {17, 120, 21},   // 21.25 rounds down
        {-3, 144, -5},   // halves round away from zero on both sides
        {0, 144, 0},
        {300, 0, 300},   // a failed DPI query changes nothing
        {300, -1, 300},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScaleFrom96Dpi(c.pixelsAt96, c.dpi), c.scaled)
            << c.pixelsAt96 << " px at " << c.dpi << " DPI";
    }
}
