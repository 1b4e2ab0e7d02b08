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
    {u"(^_^)", u"こんや", u"konya", true},
    {u"(^_^)", u"こんや", u"kon", true},
    {u"(^_^)", u"こない", u"kon", true},
    {u"(^_^)", u"こい", u"kon", false},
    {u"(^_^)", u"かんな", u"kanna", true},
    {u"(^_^)", u"かんな", u"kannna", true},
    {u"(^_^)", u"らーめん", u"ra-men", true},
    {u"(^_^)", u"らーめん", u"ramen", true},
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
    {u"(^_^)", u"かた", u"cax", false},
    {u"(^_^)", u"ねこ", u"xyz", false},
    {u"(^_^)", u"ねこ　いぬ", u"こ い", true},
    {u"ヽ(´ー`)ノ", u"", u"no", false},
    {u"ヽ(´ー`)ノ", u"", u"ﾉ", true},
    {u"Ａ", u"", u"a", true},
    // n, nn and n' before a vowel or y read both ways; a vowel stands for a long one.
    {u"(^_^)", u"こんにゃく", u"konnyaku", true},
    {u"(^_^)", u"こんやく", u"konnyaku", true},
    {u"(^_^)", u"きんえん", u"kinnenn", true},
    {u"(^_^)", u"きんえん", u"kinen", true},
    {u"(^_^)", u"きねん", u"kinen", true},
    {u"(^_^)", u"こにゃ", u"konnya", false},
    {u"(^_^)", u"きえん", u"kinen", false},
    {u"(^_^)", u"とうきょう", u"tokyo", true},
    {u"(^_^)", u"らーめん", u"RĀMEN", true},
    {u"(^_^)", u"トーキョー", u"toukyou", true},
    {u"(^_^)", u"らーめん", u"rumen", false},
    {u"(^_^)", u"とっきょ", u"tokyo", false},
    // Prefixes while typing, through every alternative.
    {u"(^_^)", u"らーめん", u"rame", true},
    {u"(^_^)", u"しんぶん", u"shim", true},
    {u"(^_^)", u"らーめん", u"ramo", false},
    // Large kana for small; Hepburn's ji, zu, o and m.
    {u"(^_^)", u"はぁ", u"haa", true},
    {u"(^_^)", u"うぃんく", u"uinku", true},
    {u"(^_^)", u"きゃー", u"kiya", false},
    {u"(^_^)", u"はなぢ", u"hanaji", true},
    {u"(^_^)", u"つづく", u"tsuzuku", true},
    {u"(^_^)", u"をかし", u"okashi", true},
    {u"(^_^)", u"しんぶん", u"shimbun", true},
    {u"(^_^)", u"はなじ", u"hanadi", false},
    {u"(^_^)", u"しむぶん", u"shimbun", false},
    // Every input method's spellings; what spells nothing is matched as typed, the rest read.
    {u"(^_^)", u"つぁくぁてゃ", u"tsakwatha", true},
    {u"(^_^)", u"くぁゐかし", u"qawyicaci", true},
    {u"(^_^)", u"ういんゔゅ", u"wuyixnvyu", true},
    {u"(^_^)", u"xzねこ", u"xzneko", true},
    {u"(^_^)", u"ねこ", u"xzneko", false},
    // Folding: ヵ ヶ, the voiced わ-row, marks apart from their kana, wave dashes, yen signs.
    {u"(^_^)", u"いっヶげつ", u"ikkagetsu", true},
    {u"(^_^)", u"かすみヶせき", u"かすみがせき", true},
    {u"(^_^)", u"ヶ", u"ko", false},
    {u"(^_^)", u"ﾜﾞｲﾝ", u"ヷイン", true},
    {u"(^_^)", u"か\u3099っこう", u"gakkou", true},
    {u"(^_^)", u"か\u3099っこう", u"kakkou", false},
    {u"(〜￣▽￣)〜", u"", u"～", true},
    {u"\\(^o^)/", u"", u"￥", true},
    {u"¥(^o^)/", u"", u"\\", true},
    {u"(ー_ー)", u"", u"~", false},
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

// Text and its folded form; written apart from the checks, whose text is spelled in Shift-JIS.
const std::u16string_view kFoldRows[][2] = {
    {u"ｶﾞｯｺｳ ﾎﾟﾝ ｯﾞｱﾞ ヵヶヽヾ ｡｢｣､･ｰ Ｘｙ！　ﾞ", u"がっこう ぽん っ゛あ゛ ゕゖゝゞ 。「」、・ー xy! ゛"},
    {u"ｶﾞ か\u3099 か゛ は\u309A ﾜﾞ ｦ\u3099 ゝ゛ \u3099", u"が が が ぱ ヷ ヺ ゞ ゛"},
    {u"〜～~ ¥￥\\ Ōōô −", u"~~~ \\\\\\ ooo -"},
    {u"(´・ω・`)猫が゛ゔ゜\U00029E3D\xDC00ー", u"(´・ω・`)猫が゛ゔ゜\U00029E3D\xDC00ー"},
};

TEST(ReadingMatch, FoldingJoinsMarksAndFoldsWhatEncodingsSpellApart)
{
    for (const auto& row : kFoldRows)
        EXPECT_EQ(FoldForSearch(row[0]), std::u16string(row[1]));
}

// A small romaniser of its own, the judge of the property below: a syllable of a reading with
// its modern Hepburn and its input-method spelling; ん, っ and ー are spelled by rule.
struct Syllable {
    std::u16string_view kana;
    std::string_view hepburn;
    std::string_view typed;
};

const Syllable kSyllables[] = {
    {u"あ", "a", "a"},     {u"い", "i", "i"},       {u"う", "u", "u"},       {u"え", "e", "e"},
    {u"お", "o", "o"},     {u"か", "ka", "ka"},     {u"き", "ki", "ki"},     {u"こ", "ko", "ko"},
    {u"が", "ga", "ga"},   {u"し", "shi", "si"},    {u"しゃ", "sha", "sya"}, {u"じ", "ji", "zi"},
    {u"じょ", "jo", "zyo"}, {u"ず", "zu", "zu"},    {u"ち", "chi", "ti"},    {u"ちゅ", "chu", "tyu"},
    {u"つ", "tsu", "tu"},  {u"て", "te", "te"},     {u"ぢ", "ji", "di"},     {u"づ", "zu", "du"},
    {u"な", "na", "na"},   {u"に", "ni", "ni"},     {u"にゃ", "nya", "nya"}, {u"の", "no", "no"},
    {u"ふ", "fu", "hu"},   {u"ひょ", "hyo", "hyo"}, {u"ば", "ba", "ba"},     {u"ぷ", "pu", "pu"},
    {u"み", "mi", "mi"},   {u"め", "me", "me"},     {u"や", "ya", "ya"},     {u"よ", "yo", "yo"},
    {u"ら", "ra", "ra"},   {u"りゅ", "ryu", "ryu"}, {u"わ", "wa", "wa"},     {u"を", "o", "wo"},
    {u"ふぁ", "fa", "fa"}, {u"ん", "", ""},         {u"っ", "", ""},         {u"ー", "", ""},
};
const std::size_t kMoraN = std::size(kSyllables) - 3;
const std::size_t kSmallTsu = std::size(kSyllables) - 2;
const std::size_t kLongMark = std::size(kSyllables) - 1;

enum class Romaniser { InputMethod, Hepburn, HepburnWithMacrons };

unsigned NextRandom(unsigned& state)
{
    state = state * 1103515245u + 12345u;
    return (state >> 16) & 0x7FFF;
}

// Syllables of a reading: ん never twice, っ only before k, s, t, ch or p, ー only after a vowel.
std::vector<std::size_t> RandomReading(unsigned& state)
{
    std::vector<std::size_t> reading;
    const unsigned length = 1 + NextRandom(state) % 6;
    while (reading.size() < length) {
        const std::size_t pick = NextRandom(state) % std::size(kSyllables);
        const std::size_t last = reading.empty() ? kLongMark : reading.back();
        const bool afterVowel = last < kMoraN;
        const char first = kSyllables[pick].hepburn.empty() ? 0 : kSyllables[pick].hepburn[0];
        if ((pick == kMoraN && last == kMoraN) || (pick == kLongMark && !afterVowel) ||
            (last == kSmallTsu && std::string_view("kstcp").find(first) == std::string::npos))
            continue;
        reading.push_back(pick);
    }
    if (reading.back() == kSmallTsu)
        reading.pop_back();
    return reading;
}

std::u16string Romanise(const std::vector<std::size_t>& reading, Romaniser romaniser)
{
    constexpr std::u16string_view vowels = u"aiueo";
    constexpr std::u16string_view macrons = u"āīūēō";
    const bool hepburn = romaniser != Romaniser::InputMethod;
    std::u16string text;
    for (std::size_t k = 0; k < reading.size(); ++k) {
        const Syllable& syllable = kSyllables[reading[k]];
        const std::string_view next = k + 1 < reading.size() ? kSyllables[reading[k + 1]].hepburn
                                                             : std::string_view();
        const std::size_t vowel = text.empty() ? vowels.npos : vowels.find(text.back());
        const bool lengthens = vowel != vowels.npos &&
                               (syllable.kana == u"ー" || syllable.kana[0] == u"あいうえお"[vowel] ||
                                (syllable.kana == u"う" && vowels[vowel] == u'o'));
        std::string_view spelling = hepburn ? syllable.hepburn : syllable.typed;
        if (hepburn && lengthens) {
            if (romaniser == Romaniser::HepburnWithMacrons)
                text.back() = macrons[vowel];
            continue;
        }
        if (reading[k] == kMoraN)
            spelling = !hepburn ? "nn"
                       : next.empty() ? "n"
                       : std::string_view("aiueoy").find(next[0]) != std::string::npos ? "n'"
                       : std::string_view("bpm").find(next[0]) != std::string::npos ? "m"
                                                                                      : "n";
        if (reading[k] == kSmallTsu) {
            const std::string_view following = hepburn ? next : kSyllables[reading[k + 1]].typed;
            spelling = following.substr(0, 2) == "ch" ? "t" : following.substr(0, 1);
        }
        if (reading[k] == kLongMark)
            spelling = "-";
        text.append(spelling.begin(), spelling.end());
    }
    return text;
}

TEST(ReadingMatch, EverySpellingOfAReadingAndEachOfItsPrefixesFindsIt)
{
    unsigned state = 27u;
    for (int tag = 0; tag < 300; ++tag) {
        const std::vector<std::size_t> reading = RandomReading(state);
        std::u16string kana;
        for (std::size_t syllable : reading)
            kana += kSyllables[syllable].kana;
        for (Romaniser romaniser :
             {Romaniser::InputMethod, Romaniser::Hepburn, Romaniser::HepburnWithMacrons}) {
            const std::u16string spelling = Romanise(reading, romaniser);
            for (std::size_t length = 1; length <= spelling.size(); ++length) {
                const std::u16string prefix = spelling.substr(0, length);
                EXPECT_TRUE(MatchesReading(PrepareReadingQuery(prefix), u"", FoldForSearch(kana)))
                    << "tag " << tag << ", spelling of " << static_cast<int>(romaniser)
                    << ", prefix of " << length;
            }
        }
    }
}
