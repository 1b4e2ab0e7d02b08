#include <gtest/gtest.h>

#include <string>

#include "view/complete_text.h"

namespace {

TEST(CompleteText, OnlyALeadByteWithoutItsSecondByteBeforeTheEndIsReplaced)
{
    // 0x82 0xA0 is one character; 0x5C can be a second byte ("表" is 0x95 0x5C).
    EXPECT_EQ(CompleteText("(^_^)\x82"), "(^_^)?");
    EXPECT_EQ(CompleteText("\x82\xA0\x95\x5C"), "\x82\xA0\x95\x5C");
    EXPECT_EQ(CompleteText("\x82\xA0\x82"), "\x82\xA0?");
    EXPECT_EQ(CompleteText("\x82\x82\x82"), "\x82\x82?");
    EXPECT_EQ(CompleteText("\xFC"), "?");
    EXPECT_EQ(CompleteText("abc\xA0\xDF\xFD"), "abc\xA0\xDF\xFD");
    EXPECT_EQ(CompleteText(""), "");
}

TEST(CompleteText, TheTextEndsAtItsFirstNulAsAControlReadsIt)
{
    EXPECT_EQ(CompleteText(std::string("ab\x81\0cd", 6)), "ab?");
    EXPECT_EQ(CompleteText(std::string("\x81\0", 2)), "?");
}

} // namespace
