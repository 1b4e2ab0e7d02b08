// List files are read in the encoding they are in and written back in it, byte for byte.
#include <gtest/gtest.h>

#include "store/text_encoding.h"

namespace {

TEST(TextEncoding, TheMarkOrTheBytesTellTheEncoding)
{
    const struct {
        std::string bytes;
        TextEncoding encoding;
    } cases[] = {
        {"", TextEncoding::ShiftJis},
        {"smile\t(^_^)\r\n", TextEncoding::ShiftJis},          // pure ASCII stays Shift-JIS
        {"\x8F\xCE\t(^_^)", TextEncoding::ShiftJis},           // 笑 in Shift-JIS
        {"\xE7\xAC\x91\t(\xE2\x80\xA2\xE1\xB4\xA5\xE2\x80\xA2)", TextEncoding::Utf8},
        // Shift-JIS bytes that happen to be valid UTF-8 cannot be told from it: taken for UTF-8.
        {"\xE3\x81\x82", TextEncoding::Utf8},
        {"\xE7\xAC\x91\x82\xA0", TextEncoding::ShiftJis},      // invalid UTF-8 after a valid start
        {"\xC0\xAF", TextEncoding::ShiftJis},                  // an overlong form is not UTF-8
        {"\xED\xA0\x80", TextEncoding::ShiftJis},              // nor is a surrogate
        {"\xF4\x90\x80\x80", TextEncoding::ShiftJis},          // nor anything past U+10FFFF
        {"\xEF\xBB\xBF", TextEncoding::Utf8WithBom},           // only a mark
        {"\xEF\xBB\xBF\x8F\xCE", TextEncoding::Utf8WithBom},   // the mark decides
        {"\xFF\xFE", TextEncoding::Utf16LeWithBom},
        {"\xFF\xFE" "a\0", TextEncoding::Utf16LeWithBom},
    };
    for (const auto& example : cases) {
        EXPECT_EQ(DetectTextEncoding(example.bytes), example.encoding) << example.bytes;
    }
}

TEST(TextEncoding, UnicodeFilesAreHeldAsUtf8AndEveryFileEncodesBackToItsOwnBytes)
{
    const struct {
        std::string bytes;
        std::string text;
    } cases[] = {
        {"\x8F\xCE\t\x81", "\x8F\xCE\t\x81"},                  // Shift-JIS as it is, lone lead too
        {"\xEF\xBB\xBF" "a\tb", "a\tb"},
        {std::string("\xFF\xFE" "a\0\t\0\x22\x26\r\0\n\0", 12), "a\t\xE2\x98\xA2\r\n"},
        // A character beyond the BMP, a lone surrogate, a NUL and an odd last byte.
        {std::string("\xFF\xFE\x3D\xD8\x00\xDE\x00\xD8x\0\0\0\x41", 13),
         std::string("\xF0\x9F\x98\x80\xED\xA0\x80x\0", 9)},
        {"\xEF\xBB\xBF\xE7\xAC\x91\xFF", "\xE7\xAC\x91\xFF"}, // invalid UTF-8 kept
    };
    for (const auto& example : cases) {
        ListFileForm form;
        std::string text = DecodeListFile(example.bytes, form);
        EXPECT_EQ(text, example.text);
        EXPECT_EQ(EncodeListFile(text, form), example.bytes);
    }
}

} // namespace
