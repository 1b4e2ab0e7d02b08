#include "settings/setting_values.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

TEST(SettingValues, ParsesSignedDecimalPrefix)
{
    EXPECT_EQ(ParseSettingInt("300"), 300);
    EXPECT_EQ(ParseSettingInt("-25"), -25);
    EXPECT_EQ(ParseSettingInt("+7"), 7);
    EXPECT_EQ(ParseSettingInt("-0"), 0);
    EXPECT_EQ(ParseSettingInt("  12abc"), 12);
    EXPECT_EQ(ParseSettingInt("\t\n\v\f\r 42"), 42);
    EXPECT_EQ(ParseSettingInt("0x10"), 0);
    EXPECT_EQ(ParseSettingInt("007"), 7);
    EXPECT_EQ(ParseSettingInt("12 34"), 12);
}

TEST(SettingValues, TextWithoutDigitsReadsAsZero)
{
    EXPECT_EQ(ParseSettingInt(""), 0);
    EXPECT_EQ(ParseSettingInt(nullptr), 0);
    EXPECT_EQ(ParseSettingInt("abc"), 0);
    EXPECT_EQ(ParseSettingInt("-"), 0);
    EXPECT_EQ(ParseSettingInt("+-3"), 0);
    EXPECT_EQ(ParseSettingInt("- 3"), 0);
    EXPECT_EQ(ParseSettingInt("１２"), 0);
    EXPECT_EQ(ParseSettingInt("\xA0" "5"), 0);
}

TEST(SettingValues, ValuesBeyondIntStopAtItsLimits)
{
    EXPECT_EQ(ParseSettingInt("2147483647"), INT_MAX);
    EXPECT_EQ(ParseSettingInt("2147483648"), INT_MAX);
    EXPECT_EQ(ParseSettingInt("99999999999"), 2147483647);
    EXPECT_EQ(ParseSettingInt("-2147483648"), INT_MIN);
    EXPECT_EQ(ParseSettingInt("-2147483649"), INT_MIN);
    EXPECT_EQ(ParseSettingInt("-99999999999999999999999999999"), INT_MIN);
    EXPECT_EQ(ParseSettingInt(std::string(5000, '9').c_str()), INT_MAX);
    EXPECT_EQ(ParseSettingInt("00000000000000000000000000012"), 12);
}

TEST(SettingValues, FlagTests)
{
    EXPECT_EQ(SettingOnIfNonZero("1"), 1);
    EXPECT_EQ(SettingOnIfNonZero("2"), 1);
    EXPECT_EQ(SettingOnIfNonZero("-1"), 1);
    EXPECT_EQ(SettingOnIfNonZero("0"), 0);
    EXPECT_EQ(SettingOnIfNonZero("on"), 0);
    EXPECT_EQ(SettingOnIfNonZero(""), 0);

    EXPECT_EQ(SettingOnIfOne("1"), 1);
    EXPECT_EQ(SettingOnIfOne(" 1x"), 1);
    EXPECT_EQ(SettingOnIfOne("2"), 0);
    EXPECT_EQ(SettingOnIfOne("-1"), 0);
    EXPECT_EQ(SettingOnIfOne("0"), 0);
    EXPECT_EQ(SettingOnIfOne("yes"), 0);
}

TEST(SettingValues, MultiplyDivideRoundsLikeMulDiv)
{
    EXPECT_EQ(MultiplyDivideRounded(12, 96, 72), 16);
    EXPECT_EQ(MultiplyDivideRounded(13, 96, 72), 17);
    EXPECT_EQ(MultiplyDivideRounded(-12, 96, 72), -16);
    EXPECT_EQ(MultiplyDivideRounded(-13, 96, 72), -17);
    EXPECT_EQ(MultiplyDivideRounded(12, 120, 72), 20);
    EXPECT_EQ(MultiplyDivideRounded(1, 1, 2), 1);
    EXPECT_EQ(MultiplyDivideRounded(-1, 1, 2), -1);
    EXPECT_EQ(MultiplyDivideRounded(1, 1, -2), -1);
    EXPECT_EQ(MultiplyDivideRounded(-1, 1, -2), 1);
    EXPECT_EQ(MultiplyDivideRounded(1, 1, 3), 0);
    EXPECT_EQ(MultiplyDivideRounded(2, 1, 3), 1);
    EXPECT_EQ(MultiplyDivideRounded(-2, 1, 3), -1);
    EXPECT_EQ(MultiplyDivideRounded(0, -5, 7), 0);
    EXPECT_EQ(MultiplyDivideRounded(7, 5, 0), -1);
    EXPECT_EQ(MultiplyDivideRounded(0, 0, 0), -1);
}

TEST(SettingValues, MultiplyDivideUsesA64BitIntermediate)
{
    EXPECT_EQ(MultiplyDivideRounded(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
    EXPECT_EQ(MultiplyDivideRounded(100000, 100000, 1000), 10000000);
    EXPECT_EQ(MultiplyDivideRounded(INT_MIN, INT_MIN, INT_MIN), -1);
    EXPECT_EQ(MultiplyDivideRounded(INT_MIN, 1, -1), -1);
    EXPECT_EQ(MultiplyDivideRounded(INT_MAX, 2, 1), -1);
    EXPECT_EQ(MultiplyDivideRounded(-INT_MAX, 1, 1), -INT_MAX);
    EXPECT_EQ(MultiplyDivideRounded(INT_MIN, 1, 2), -1073741824);
}

TEST(SettingValues, FontHeightIsMinusThePointSizeInPixels)
{
    EXPECT_EQ(MakePickerFontRecord(12, 96, 0, "").height, -16);
    EXPECT_EQ(MakePickerFontRecord(13, 96, 0, "").height, -17);
    EXPECT_EQ(MakePickerFontRecord(9, 96, 0, "").height, -12);
    EXPECT_EQ(MakePickerFontRecord(12, 120, 0, "").height, -20);
    EXPECT_EQ(MakePickerFontRecord(-12, 96, 0, "").height, 16);
    EXPECT_EQ(MakePickerFontRecord(0, 96, 0, "").height, 0);
    EXPECT_EQ(MakePickerFontRecord(INT_MAX, INT_MAX, 0, "").height, 1);
}

TEST(SettingValues, FontStyleGivesWeightAndSlant)
{
    struct StyleCase {
        int style;
        int weight;
        unsigned char italic;
    };
    const StyleCase cases[] = {
        {0, 400, 0}, {1, 400, 1}, {2, 700, 0}, {3, 700, 1},
        {4, 400, 0}, {7, 400, 0}, {-1, 400, 0}, {INT_MAX, 400, 0},
    };
    for (const StyleCase& c : cases) {
        const PickerFontRecord record = MakePickerFontRecord(12, 96, c.style, "");
        EXPECT_EQ(record.weight, c.weight) << "FontStyle " << c.style;
        EXPECT_EQ(record.italic, c.italic) << "FontStyle " << c.style;
    }
}

TEST(SettingValues, FaceNameIsCopiedWholeUpTo31Bytes)
{
    EXPECT_STREQ(MakePickerFontRecord(12, 96, 0, "ＭＳ Ｐゴシック").faceName, "ＭＳ Ｐゴシック");
    EXPECT_STREQ(MakePickerFontRecord(12, 96, 0, "").faceName, "");
    EXPECT_STREQ(MakePickerFontRecord(12, 96, 0, nullptr).faceName, "");

    const std::string exact(31, 'f');
    EXPECT_EQ(std::string(MakePickerFontRecord(12, 96, 0, exact.c_str()).faceName), exact);
}

TEST(SettingValues, LongFaceNameIsCutTo31BytesWithTheRestZero)
{
    const std::string forty = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd";
    ASSERT_EQ(forty.size(), 40u);
    const PickerFontRecord record = MakePickerFontRecord(12, 96, 0, forty.c_str());
    EXPECT_EQ(std::string(record.faceName), forty.substr(0, 31));
    EXPECT_EQ(record.faceName[31], '\0');

    // Every byte after the name is zero, so the record compares and copies cleanly.
    const PickerFontRecord shortName = MakePickerFontRecord(12, 96, 0, "Arial");
    for (std::size_t i = std::strlen("Arial"); i < sizeof shortName.faceName; ++i)
        EXPECT_EQ(shortName.faceName[i], '\0') << "byte " << i;
}

TEST(SettingValues, CutNeverLeavesHalfAShiftJisCharacter)
{
    // One ASCII byte, then double-byte characters: the cut at 31 falls on a character
    // boundary, so all 31 bytes stay.
    const std::string evenCut = "X" "メイリオメイリオメイリオメイリオメイリオ";
    ASSERT_EQ(evenCut.size(), 41u);
    EXPECT_EQ(std::string(MakePickerFontRecord(12, 96, 0, evenCut.c_str()).faceName),
              evenCut.substr(0, 31));

    // Double-byte characters only: byte 31 would be a lead byte without its trail, so the
    // name ends after 15 whole characters.
    const std::string oddCut = "メイリオメイリオメイリオメイリオメイリオ";
    ASSERT_EQ(oddCut.size(), 40u);
    EXPECT_EQ(std::string(MakePickerFontRecord(12, 96, 0, oddCut.c_str()).faceName),
              oddCut.substr(0, 30));

    // "ン" is 83 93: its trail byte lies in the lead-byte range, yet ends a whole character.
    const std::string trailLike = "a" "ンンンンンンンンンンンンンンン";
    ASSERT_EQ(trailLike.size(), 31u);
    EXPECT_EQ(std::string(MakePickerFontRecord(12, 96, 0, trailLike.c_str()).faceName), trailLike);

    // A value that already ends in a lone lead byte (cut short when it was read) loses it.
    const std::string loneLead = std::string("ゴシック") + "\x83";
    EXPECT_EQ(std::string(MakePickerFontRecord(12, 96, 0, loneLead.c_str()).faceName), "ゴシック");
}
