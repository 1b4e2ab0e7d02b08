#include <gtest/gtest.h>

#include "app/clip_add_counter.h"
#include "store/face_adding.h"

TEST(ClipAdd, ANewFaceGoesOnTopWithNoTagAndAKnownOneUnderAnyTagIsNotAddedAgain)
{
    TextList faces = {"(^_^)", "(>_<)"};
    TextList tags = {"smile", ""};

    EXPECT_TRUE(AddFaceAtTop(faces, tags, "(;_;)"));
    EXPECT_EQ(faces, (TextList{"(;_;)", "(^_^)", "(>_<)"}));
    EXPECT_EQ(tags, (TextList{"", "smile", ""}));

    EXPECT_FALSE(AddFaceAtTop(faces, tags, "(^_^)")) << "tagged entry";
    EXPECT_FALSE(AddFaceAtTop(faces, tags, "(>_<)")) << "last entry";
    EXPECT_EQ(faces.size(), 3u);
    EXPECT_EQ(tags.size(), 3u);
}

TEST(ClipAdd, FacesDifferingInAnyByteAreDifferentFaces)
{
    TextList faces = {"(^o^)", "\x83\x41"};
    TextList tags = {"", ""};
    // Case, a prefix, and the other half-width/full-width form all count as new.
    for (const char* face : {"(^O^)", "(^o^", "(^o^)/", "\x83\x41\x83\x41", "\xB1", ""}) {
        EXPECT_TRUE(AddFaceAtTop(faces, tags, face)) << face;
    }
    EXPECT_FALSE(AddFaceAtTop(faces, tags, "")) << "an empty face is kept once";
    EXPECT_EQ(faces.size(), 8u);
    EXPECT_EQ(faces.front(), "");
    EXPECT_EQ(faces.back(), "\x83\x41");
}

TEST(ClipAdd, TheCounterCountsBytesSoDoubleByteCharactersCountTwoAndLongTextIsNotCapped)
{
    EXPECT_EQ(ClipAddCounterText(""), "文字数 : 0");
    EXPECT_EQ(ClipAddCounterText("abcd"), "文字数 : 4");
    EXPECT_EQ(ClipAddCounterText("顔文"), "文字数 : 4");
    EXPECT_EQ(ClipAddCounterText(std::string(5000, 'x')), "文字数 : 5000");
}
