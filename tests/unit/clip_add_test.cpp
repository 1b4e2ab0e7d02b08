#include <gtest/gtest.h>

#include "app/clip_add_counter.h"
#include "store/face_adding.h"

TEST(ClipAdd, ANewFaceGoesOnTopUntaggedAndOnlyTheSameBytesCountAsAlreadyThere)
{
    TextList faces = {"(^o^)", "\x83\x41"};
    TextList tags = {"smile", ""};
    EXPECT_FALSE(AddFaceAtTop(faces, tags, "(^o^)")) << "there under a tag";
    EXPECT_FALSE(AddFaceAtTop(faces, tags, "\x83\x41"));
    // Case, a prefix and the half-width form are other faces.
    for (const char* face : {"(^O^)", "(^o^", "\xB1"}) {
        EXPECT_TRUE(AddFaceAtTop(faces, tags, face)) << face;
    }
    EXPECT_EQ(faces, (TextList{"\xB1", "(^o^", "(^O^)", "(^o^)", "\x83\x41"}));
    EXPECT_EQ(tags, (TextList{"", "", "", "smile", ""}));
}

TEST(ClipAdd, TheCounterCountsBytes)
{
    EXPECT_EQ(ClipAddCounterText("abcd"), "文字数 : 4");
    EXPECT_EQ(ClipAddCounterText("顔文"), "文字数 : 4");
    EXPECT_EQ(ClipAddCounterText(std::string(5000, 'x')), "文字数 : 5000");
}
