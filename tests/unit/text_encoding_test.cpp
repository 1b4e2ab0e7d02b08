// List files are read in the encoding they are in and written back in it, byte for byte.
#include <gtest/gtest.h>

#include "store/face_file.h"
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
        {"\xFE\xFF" "\0a", TextEncoding::Utf16BeWithBom},
        // An editor's slip in a UTF-8 list: one stray byte among くま (´・ω・`).
        {"\xE3\x81\x8F\xE3\x81\xBE\t(\xC2\xB4\xE3\x83\xBB\xCF\x89\xE3\x83\xBB`)\xFF",
         TextEncoding::Utf8},
        // Half-width katakana in Shift-JIS: some pairs are valid UTF-8, about as many bytes not.
        {"\xC3\xDE\xBC\xDE\xB6\xD9\t\xBA\xDD\xC6\xC1\xCA", TextEncoding::ShiftJis},
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
        // UTF-16BE: CR LF stays two units, and a character beyond the BMP stays whole.
        {std::string("\xFE\xFF\0a\0\t\x26\x22\0\r\0\n\xD8\x3D\xDE\x00", 16),
         "a\t\xE2\x98\xA2\r\n\xF0\x9F\x98\x80"},
        {"\xE7\xAC\x91\xFF\xE7\xAC\x91\xE7\xAC\x91\xE7\xAC\x91",    // UTF-8 with a stray
         "\xE7\xAC\x91\xFF\xE7\xAC\x91\xE7\xAC\x91\xE7\xAC\x91"},
    };
    for (const auto& example : cases) {
        ListFileForm form;
        std::string text = DecodeListFile(example.bytes, form);
        EXPECT_EQ(text, example.text);
        EXPECT_EQ(EncodeListFile(text, form), example.bytes);
    }
}

// A list without a mark whose first entry starts with a mark's bytes still reads back as itself.
TEST(TextEncoding, AListNeverComesToStartWithAnotherEncodingsMark)
{
    for (TextEncoding encoding : {TextEncoding::ShiftJis, TextEncoding::Utf8}) {
        for (const std::string text : {"\xEF\xBB\xBF\t(^_^)", "\xFF\xFEx\t(^_^)", "\xFE\xFF\t("}) {
            TextList faces, tags, readFaces, readTags;
            ParseFaceText(text, faces, tags);
            ListFileForm readForm;
            ParseFaceText(DecodeListFile(EncodeListFile(text, {encoding, {}}), readForm),
                          readFaces, readTags);
            EXPECT_EQ(readFaces, faces);
            EXPECT_EQ(readTags, tags);
        }
    }
}

} // namespace
