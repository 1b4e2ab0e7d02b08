#include "view/reading_match.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <string_view>

enum class Search { Reading, Plain };

struct MatchRow {
    std::u16string_view face;
    std::u16string_view tag;
    std::u16string_view typed;
    Search search;
    bool expected;
};

// U+29E3D, a kanji beyond the BMP: a surrogate pair.
constexpr std::u16string_view kPairKanji = u"\U00029E3D";

const MatchRow kMatchRows[] = {
    {u"(=^・^=)", u"ねこ", u"neko", Search::Reading, true},
    {u"(=^・^=)", u"ねこ", u"NEKO", Search::Reading, true},
    {u"(=^・^=)", u"ねこ", u"nek", Search::Reading, true},
    {u"(=^・^=)", u"ねこ", u"ﾈｺ", Search::Reading, true},
    {u"(=^・^=)", u"ねこ", u"ネコ", Search::Reading, true},
    {u"(=^・^=)", u"ねこ", u"ｎｅｋｏ", Search::Reading, true},
    {u"(=^・^=)", u"ねこ", u"ねk", Search::Reading, true},
    {u"(=^・^=)", u"ﾈｺ", u"ねこ", Search::Reading, true},
    {u"(=^・^=)", u"ねこ", u"neki", Search::Reading, false},
    {u"(=^・^=)", u"猫", u"neko", Search::Reading, false},
    {u"(^_^)", u"しゃしん", u"syasin", Search::Reading, true},
    {u"(^_^)", u"しゃしん", u"shashin", Search::Reading, true},
    {u"(^_^)", u"しゃしん", u"sashin", Search::Reading, false},
    {u"(^_^)", u"がっこう", u"gakkou", Search::Reading, true},
    {u"(^_^)", u"がっこう", u"gak", Search::Reading, true},
    {u"(^_^)", u"がっこう", u"gakk", Search::Reading, true},
    {u"(^_^)", u"がっこう", u"gakou", Search::Reading, false},
    {u"(^_^)", u"がっこう", u"ltu", Search::Reading, true},
    {u"(^_^)", u"こんにちは", u"konnichiha", Search::Reading, true},
    {u"(^_^)", u"こんにちは", u"konnnitiha", Search::Reading, true},
    {u"(^_^)", u"こんにちは", u"konichiha", Search::Reading, false},
    {u"(^_^)", u"こんや", u"kon'ya", Search::Reading, true},
    {u"(^_^)", u"こんや", u"konya", Search::Reading, false},
    {u"(^_^)", u"こんや", u"kon", Search::Reading, true},
    {u"(^_^)", u"こない", u"kon", Search::Reading, true},
    {u"(^_^)", u"こい", u"kon", Search::Reading, false},
    {u"(^_^)", u"かんな", u"kanna", Search::Reading, true},
    {u"(^_^)", u"かんな", u"kannna", Search::Reading, true},
    {u"(^_^)", u"らーめん", u"ra-men", Search::Reading, true},
    {u"(^_^)", u"らーめん", u"ramen", Search::Reading, false},
    {u"(^_^)", u"をかし", u"wo", Search::Reading, true},
    {u"(^_^)", u"きゃー", u"xya", Search::Reading, true},
    {u"(^_^)", u"きゃー", u"ya", Search::Reading, false},
    {u"(^_^)", u"ちず", u"tizu", Search::Reading, true},
    {u"(^_^)", u"つくえ", u"tukue", Search::Reading, true},
    {u"(^_^)", u"ふじ", u"huzi", Search::Reading, true},
    {u"(^_^)", u"じゃま", u"zyama", Search::Reading, true},
    {u"(^_^)", u"まっちゃ", u"matcha", Search::Reading, true},
    {u"(^_^)", u"ちゃ", u"cya", Search::Reading, true},
    {u"(^_^)", u"ヴィラ", u"vira", Search::Reading, true},
    {u"(^_^)", u"ｳﾞｨﾗ", u"ゔぃら", Search::Reading, true},
    {u"(^_^)", u"ﾊﾟﾝ", u"パン", Search::Reading, true},
    {u"(^_^)", u"ﾊﾞﾝ", u"ぱん", Search::Reading, false},
    {u"(^_^)", u"cat", u"CAT", Search::Reading, true},
    {u"(^_^)", u"かた", u"cat", Search::Reading, false},
    {u"(^_^)", u"ねこ", u"xyz", Search::Reading, false},
    {u"(^_^)", u"ねこ　いぬ", u"こ い", Search::Reading, true},
    {u"ヽ(´ー`)ノ", u"", u"no", Search::Reading, false},
    {u"ヽ(´ー`)ノ", u"", u"ﾉ", Search::Reading, true},
    {u"Ａ", u"", u"a", Search::Reading, true},
    {kPairKanji, u"", kPairKanji.substr(1), Search::Reading, false},
    {u"ABC", u"", u"abc", Search::Plain, false},
    {u"ＡＢＣ", u"", u"ＢＣ", Search::Plain, true},
    {u"(^_^)", u"ねこ", u"neko", Search::Plain, false},
    {u"(^_^)", u"ネコ", u"ねこ", Search::Plain, false},
    {u"(^_^)", u"ねこ", u"ねこ", Search::Plain, true},
    {kPairKanji, u"", kPairKanji, Search::Plain, true},
    {kPairKanji, u"", kPairKanji.substr(0, 1), Search::Plain, false},
};

TEST(ReadingMatch, FindsEntriesByFoldedTextAndRomajiReadings)
{
    for (std::size_t i = 0; i < std::size(kMatchRows); ++i) {
        const MatchRow& row = kMatchRows[i];
        SCOPED_TRACE("row " + std::to_string(i));
        const bool matched = row.search == Search::Reading
                                 ? MatchesReading(PrepareReadingQuery(row.typed),
                                                  FoldForSearch(row.face), FoldForSearch(row.tag))
                                 : MatchesPlain(row.typed, row.face, row.tag);
        EXPECT_EQ(matched, row.expected);
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
