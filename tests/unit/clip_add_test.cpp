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

TEST(ClipAdd, TheCounterCountsColumns)
{
    const struct {
        std::string text;
        TextEncoding encoding;
        std::string counter;
    } cases[] = {
        {"abcd", TextEncoding::ShiftJis, "文字数 : 4"},
        {"顔文", TextEncoding::ShiftJis, "文字数 : 4"},
        {std::string(5000, 'x'), TextEncoding::ShiftJis, "文字数 : 5000"},
        // ʕ •ᴥ• ʔ: narrow letters and a space.
        {"\xCA\x95 \xE2\x80\xA2\xE1\xB4\xA5\xE2\x80\xA2 \xCA\x94", TextEncoding::Utf8, "文字数 : 7"},
        // (♡ ゜ ｀Ａ) with a combining mark after ♡: wide kana and full-width letters count 2.
        {"(\xE2\x99\xA1\xCC\x88\xE3\x82\x9C\xEF\xBD\x80\xEF\xBC\xA1)", TextEncoding::Utf8,
         "文字数 : 10"},
        // 😀 beyond the BMP counts 2; bytes that form no character count 1 each.
        {"\xF0\x9F\x98\x80\xE3\x81\xFF", TextEncoding::Utf8, "文字数 : 5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClipAddCounterText(c.text, c.encoding), c.counter) << c.text;
    }
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
