#include "paste/paste_wait.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(PasteWait, StoredValuesAreHeldBetweenNoWaitAndTenSeconds)
{
    EXPECT_EQ(PasteWaitMs(100), 100u);
    EXPECT_EQ(PasteWaitMs(0), 0u);
    EXPECT_EQ(PasteWaitMs(10000), 10000u);
    EXPECT_EQ(PasteWaitMs(10001), 10000u);
    EXPECT_EQ(PasteWaitMs(INT_MAX), 10000u);
    EXPECT_EQ(PasteWaitMs(-1), 0u);
    EXPECT_EQ(PasteWaitMs(INT_MIN), 0u);
}

} // namespace
