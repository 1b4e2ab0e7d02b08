#include "view/reading_match.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <string_view>

struct MatchRow {
    std::u16string_view face;
    std::u16string_view tag;
    std::u16string_view typed;
    bool expected;
};

// U+29E3D, a kanji beyond the BMP: a surrogate pair.
constexpr std::u16string_view kPairKanji = u"\U00029E3D";

const MatchRow kMatchRows[] = {
    {u"(=^・^=)", u"ねこ", u"neko", true},
    {u"(=^・^=)", u"ねこ", u"NEKO", true},
    {u"(=^・^=)", u"ねこ", u"nek", true},
    {u"(=^・^=)", u"ねこ", u"ﾈｺ", true},
    {u"(=^・^=)", u"ねこ", u"ネコ", true},
    {u"(=^・^=)", u"ねこ", u"ｎｅｋｏ", true},
    {u"(=^・^=)", u"ねこ", u"ねk", true},
    {u"(=^・^=)", u"ﾈｺ", u"ねこ", true},
    {u"(=^・^=)", u"ねこ", u"neki", false},
    {u"(=^・^=)", u"猫", u"neko", false},
    {u"(^_^)", u"しゃしん", u"syasin", true},
    {u"(^_^)", u"しゃしん", u"shashin", true},
    {u"(^_^)", u"しゃしん", u"sashin", false},
    {u"(^_^)", u"がっこう", u"gakkou", true},
    {u"(^_^)", u"がっこう", u"gak", true},
    {u"(^_^)", u"がっこう", u"gakk", true},
    {u"(^_^)", u"がっこう", u"gakou", false},
    {u"(^_^)", u"がっこう", u"ltu", true},
    {u"(^_^)", u"こんにちは", u"konnichiha", true},
    {u"(^_^)", u"こんにちは", u"konnnitiha", true},
    {u"(^_^)", u"こんにちは", u"konichiha", false},
    {u"(^_^)", u"こんや", u"kon'ya", true},
    {u"(^_^)", u"こんや", u"konya", false},
    {u"(^_^)", u"こんや", u"kon", true},
    {u"(^_^)", u"こない", u"kon", true},
    {u"(^_^)", u"こい", u"kon", false},
    {u"(^_^)", u"かんな", u"kanna", true},
    {u"(^_^)", u"かんな", u"kannna", true},
    {u"(^_^)", u"らーめん", u"ra-men", true},
    {u"(^_^)", u"らーめん", u"ramen", false},
    {u"(^_^)", u"をかし", u"wo", true},
    {u"(^_^)", u"きゃー", u"xya", true},
    {u"(^_^)", u"きゃー", u"ya", false},
    {u"(^_^)", u"ちず", u"tizu", true},
    {u"(^_^)", u"つくえ", u"tukue", true},
    {u"(^_^)", u"ふじ", u"huzi", true},
    {u"(^_^)", u"じゃま", u"zyama", true},
    {u"(^_^)", u"まっちゃ", u"matcha", true},
    {u"(^_^)", u"ちゃ", u"cya", true},
    {u"(^_^)", u"ヴィラ", u"vira", true},
    {u"(^_^)", u"ｳﾞｨﾗ", u"ゔぃら", true},
    {u"(^_^)", u"ﾊﾟﾝ", u"パン", true},
    {u"(^_^)", u"ﾊﾞﾝ", u"ぱん", false},
    {u"(^_^)", u"cat", u"CAT", true},
    {u"(^_^)", u"かた", u"cat", false},
    {u"(^_^)", u"ねこ", u"xyz", false},
    {u"(^_^)", u"ねこ　いぬ", u"こ い", true},
    {u"ヽ(´ー`)ノ", u"", u"no", false},
    {u"ヽ(´ー`)ノ", u"", u"ﾉ", true},
    {u"Ａ", u"", u"a", true},
    {kPairKanji, u"", kPairKanji.substr(1), false},
};

TEST(ReadingMatch, FindsEntriesByFoldedTextAndRomajiReadings)
{
    for (std::size_t i = 0; i < std::size(kMatchRows); ++i) {
        const MatchRow& row = kMatchRows[i];
        SCOPED_TRACE("row " + std::to_string(i));
        EXPECT_EQ(MatchesReading(PrepareReadingQuery(row.typed), FoldForSearch(row.face),
                                 FoldForSearch(row.tag)),
                  row.expected);
    }
}

TEST(ReadingMatch, FoldingKeepsWhatItDoesNotFold)
{
    // Named rather than written in the check: its text may not be spelled in Shift-JIS (ゕゖ).
    const std::u16string folded = u"がっこう ぽん っ゛あ゛ ゕゖゝゞ 。「」、・ー xy! ゛";
    EXPECT_EQ(FoldForSearch(u"ｶﾞｯｺｳ ﾎﾟﾝ ｯﾞｱﾞ ヵヶヽヾ ｡｢｣､･ｰ Ｘｙ！　ﾞ"), folded);
    const std::u16string untouched = u"(´・ω・`)猫か\u3099\U00029E3D\xDC00ー";
    EXPECT_EQ(FoldForSearch(untouched), untouched);
}
