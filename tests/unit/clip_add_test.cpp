#include <gtest/gtest.h>

#include "app/clip_add_counter.h"
#include "store/face_adding.h"
#include "store/one_line_entry.h"

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

TEST(OneLineEntry, LineEndsAtTheEndsGoAndThoseInsideBecomeOneSpaceEach)
{
    const struct {
        std::string text;
        std::string entry;
    } cases[] = {
        {"(^o^)", "(^o^)"},
        {"line1\r\nline2", "line1 line2"},
        {"line1\r\nline2\r\n", "line1 line2"},
        {"\r\n\n(^_^)\r", "(^_^)"},
        {"a\rb\nc\n\rd", "a b c  d"},
        {"a\r\n\r\nb", "a  b"},
        {"\r\n", ""},
        {"\n\r\n\r", ""},
        {"", ""},
        // A lead byte before a line end keeps its place; nothing after it is swallowed.
        {"\x83\r\n\x83\x41\x81", "\x83 \x83\x41\x81"},
        {"\ta\tb ", "\ta\tb "},
    };
    for (const auto& example : cases) {
        EXPECT_EQ(OneLineEntry(example.text), example.entry) << example.text;
    }
}
