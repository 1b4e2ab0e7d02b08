#include "settings/ini_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(IniText, AKeyOfTheSectionIsReplacedAndEveryOtherByteKept)
{
    const std::string before = "; mine\r\n[Option]\r\nTopMost=1\r\nWidth=300\r\n"
                               "FontName=ＭＳ Ｐゴシック\r\n\r\n[Other]\r\nWidth=1\r\n";
    EXPECT_EQ(WithIniValue(before, "Option", "Width", "460"),
              "; mine\r\n[Option]\r\nTopMost=1\r\nWidth=460\r\n"
              "FontName=ＭＳ Ｐゴシック\r\n\r\n[Other]\r\nWidth=1\r\n");
    EXPECT_EQ(WithIniValue("[ option ]\r\n  width = 300\r\nWidthX=2\r\n", "Option", "Width", "5"),
              "[ option ]\r\nWidth=5\r\nWidthX=2\r\n");
    EXPECT_EQ(WithIniValue("[Option]\nLeft=1\nLeft=2\n", "Option", "Left", "-8"),
              "[Option]\nLeft=-8\nLeft=2\n");
}

TEST(IniText, AMissingKeyFollowsTheSectionsLastLine)
{
    EXPECT_EQ(WithIniValue("[Option]\r\nLeft=5\r\n\r\n[Other]\r\nTop=1\r\n", "Option", "Top", "7"),
              "[Option]\r\nLeft=5\r\nTop=7\r\n\r\n[Other]\r\nTop=1\r\n");
    EXPECT_EQ(WithIniValue("[Option]\r\nLeft=5", "Option", "Top", "7"),
              "[Option]\r\nLeft=5\r\nTop=7\r\n");
    EXPECT_EQ(WithIniValue("[Other]\r\n[Option]\r\n", "Option", "Top", "7"),
              "[Other]\r\n[Option]\r\nTop=7\r\n");
}

TEST(IniText, AMissingSectionIsAddedAtTheEnd)
{
    EXPECT_EQ(WithIniValue("", "Option", "Width", "300"), "[Option]\r\nWidth=300\r\n");
    EXPECT_EQ(WithIniValue("[Other]\r\nWidth=1", "Option", "Width", "300"),
              "[Other]\r\nWidth=1\r\n[Option]\r\nWidth=300\r\n");
    const std::string garbled("\xFF\xFE\0[Option\x81", 8);
    EXPECT_EQ(WithIniValue(garbled, "Option", "Width", "300"),
              garbled + "\r\n[Option]\r\nWidth=300\r\n");
}

// Files an editor wrote its own way: each key is found where it is and written once.
TEST(IniText, AMarkOrCrOnlyLineEndsNeitherHideTheSectionNorDoubleAKey)
{
    const struct {
        std::string before;
        std::string key;
        std::string after;
    } cases[] = {
        {"\xEF\xBB\xBF[Option]\r\nTop=1\r\n", "Top", "\xEF\xBB\xBF[Option]\r\nTop=5\r\n"},
        {"\xEF\xBB\xBF", "Top", "\xEF\xBB\xBF[Option]\r\nTop=5\r\n"},
        {"[Option]\rTop=1\rLeft=2", "Top", "[Option]\rTop=5\rLeft=2"},
        {"[Option]\rTop=1\r[Other]\r", "Left", "[Option]\rTop=1\rLeft=5\r[Other]\r"},
        {"[Other]\nA=1", "Top", "[Other]\nA=1\n[Option]\nTop=5\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithIniValue(c.before, "Option", c.key, "5"), c.after) << c.before;
    }
}

} // namespace

TEST(IniText, AValueIsReadAsTheSystemReadsItWhateverTheCodePage)
{
    struct Case {
        std::string contents;
        std::string key;
        bool found;
        std::string value;
    };
    const Case cases[] = {
        {"[Option]\r\nFontName=ＭＳ Ｐゴシック\r\n", "FontName", true, "ＭＳ Ｐゴシック"},
        {"[ option ]\n  fontname =  \"Ａ B\"  \r\n", "FontName", true, "Ａ B"},
        {"[Option]\nEditor='notepad.exe'\n", "Editor", true, "notepad.exe"},
        {"[Option]\nEditor=\"a.exe\" /x \"b\"\n", "Editor", true, "a.exe\" /x \"b"},
        {"[Option]\nWidth=\nLeft=a=b\n", "Width", true, ""},
        {"[Option]\nWidth=\nLeft=a=b\n", "Left", true, "a=b"},
        {"[Option]\nTop=1\nTop=2\n", "Top", true, "1"},
        {"[Other]\nTop=1\n[Option]\nLeft=2\n[Option]\nTop=3\n", "Top", false, ""},
        {"[Option]\nTop\n; Top=4\n", "Top", false, ""},
        {"Top=5\n[Option]\n", "Top", false, ""},
        {std::string("\xFF\xFE[\0O", 5), "Top", false, ""},
        {"\xEF\xBB\xBF[Option]\r\nTop=6\r\n", "Top", true, "6"},       // an editor's mark
        {"[Option]\rLeft=1\rTop=7\r", "Top", true, "7"},                // CR-only line ends
        {"[Option]\rTop=8 \r\n[Other]\nTop=9", "Top", true, "8"},
    };
    for (const Case& c : cases) {
        std::string value;
        EXPECT_EQ(FindIniValue(c.contents, "Option", c.key, value), c.found) << c.contents;
        if (c.found) {
            EXPECT_EQ(value, c.value) << c.contents;
        }
    }
}
