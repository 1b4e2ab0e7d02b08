#include "settings/font_size_choices.h"

#include <gtest/gtest.h>

TEST(FontSizeChoices, AStoredSizeSelectsItsEntryAndAnyOtherTenPoints)
{
    EXPECT_EQ(FontSizeChoices[FontSizeChoiceIndex(72)], 72);
    EXPECT_EQ(FontSizeChoices[FontSizeChoiceIndex(13)], 10) << "13 is not offered";
    EXPECT_EQ(FontSizeChoices[FontSizeChoiceIndex(-12)], 10);
}
