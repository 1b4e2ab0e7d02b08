#include "settings/font_size_choices.h"

#include <gtest/gtest.h>

TEST(FontSizeChoices, AStoredSizeSelectsItsEntryAndAnyOtherTenPoints)
{
    EXPECT_EQ(FontSizeChoiceIndex(8), 0);
    EXPECT_EQ(FontSizeChoiceIndex(12), 4);
    EXPECT_EQ(FontSizeChoiceIndex(14), 5);
    EXPECT_EQ(FontSizeChoiceIndex(72), 15);
    EXPECT_EQ(FontSizeChoices[FontSizeChoiceIndex(13)], 10) << "13 is not offered";
    EXPECT_EQ(FontSizeChoices[FontSizeChoiceIndex(0)], 10);
    EXPECT_EQ(FontSizeChoices[FontSizeChoiceIndex(-12)], 10);
}
