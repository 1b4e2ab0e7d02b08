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

} // namespace
