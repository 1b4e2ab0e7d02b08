#include "view/reading_match.h"

#include <algorithm>

namespace {

// U+FF61 to U+FF9F, half-width katakana and punctuation, as they are searched.
constexpr std::u16string_view kHalfWidthFolded =
    u"。「」、・をぁぃぅぇぉゃゅょっーあいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ"
    u"まみむめもやゆよらりるれろわん゛゜";
constexpr char16_t kHalfWidthFirst = 0xFF61;
constexpr char16_t kHalfWidthVoicedMark = 0xFF9E;
constexpr char16_t kHalfWidthSemiVoicedMark = 0xFF9F;
static_assert(kHalfWidthFolded.size() == 0xFF9F - 0xFF61 + 1, "one entry per half-width unit");

// One code unit as it is searched; a half-width voiced mark is joined to its kana by the caller.
char16_t FoldUnit(char16_t unit)
{
    if (unit < 0x80)
        return unit >= u'A' && unit <= u'Z' ? unit + (u'a' - u'A') : unit;
    if (unit == 0x3000)
        return u' ';
    if ((unit >= u'ァ' && unit <= u'ヶ') || unit == u'ヽ' || unit == u'ヾ')
        return unit - (u'ァ' - u'ぁ');
    if (unit >= u'！' && unit <= u'～')
        return FoldUnit(unit - (u'！' - u'!'));
    if (unit >= kHalfWidthFirst && unit <= kHalfWidthSemiVoicedMark)
        return kHalfWidthFolded[unit - kHalfWidthFirst];
    return unit;
}

// A plain hiragana, as half-width katakana fold, with the voiced or semi-voiced mark; 0 when
// it takes none. Voiced kana follow their plain one, semi-voiced ones the voiced one.
char16_t MarkedKana(char16_t kana, bool semiVoiced)
{
    if (kana == u'う')
        return semiVoiced ? 0 : u'ゔ';
    if (kana >= u'か' && kana <= u'と' && kana != u'っ')
        return semiVoiced ? 0 : kana + 1;
    if (kana >= u'は' && kana <= u'ほ')
        return kana + (semiVoiced ? 2 : 1);
    return 0;
}

struct RomajiSpelling {
    std::string_view romaji;
    std::u16string_view kana;
};

// Hepburn, Kunrei and the spellings input methods accept. ん, っ and ー are read by rule.
constexpr RomajiSpelling kRomajiSpellings[] = {
    {"a", u"あ"}, {"i", u"い"}, {"u", u"う"}, {"e", u"え"}, {"o", u"お"},
    {"ka", u"か"}, {"ki", u"き"}, {"ku", u"く"}, {"ke", u"け"}, {"ko", u"こ"},
    {"kya", u"きゃ"}, {"kyi", u"きぃ"}, {"kyu", u"きゅ"}, {"kye", u"きぇ"}, {"kyo", u"きょ"},
    {"ga", u"が"}, {"gi", u"ぎ"}, {"gu", u"ぐ"}, {"ge", u"げ"}, {"go", u"ご"},
    {"gya", u"ぎゃ"}, {"gyi", u"ぎぃ"}, {"gyu", u"ぎゅ"}, {"gye", u"ぎぇ"}, {"gyo", u"ぎょ"},
    {"sa", u"さ"}, {"si", u"し"}, {"shi", u"し"}, {"su", u"す"}, {"se", u"せ"}, {"so", u"そ"},
    {"sya", u"しゃ"}, {"syi", u"しぃ"}, {"syu", u"しゅ"}, {"sye", u"しぇ"}, {"syo", u"しょ"},
    {"sha", u"しゃ"}, {"shu", u"しゅ"}, {"she", u"しぇ"}, {"sho", u"しょ"},
    {"za", u"ざ"}, {"zi", u"じ"}, {"ji", u"じ"}, {"zu", u"ず"}, {"ze", u"ぜ"}, {"zo", u"ぞ"},
    {"zya", u"じゃ"}, {"zyi", u"じぃ"}, {"zyu", u"じゅ"}, {"zye", u"じぇ"}, {"zyo", u"じょ"},
    {"ja", u"じゃ"}, {"ju", u"じゅ"}, {"je", u"じぇ"}, {"jo", u"じょ"},
    {"jya", u"じゃ"}, {"jyi", u"じぃ"}, {"jyu", u"じゅ"}, {"jye", u"じぇ"}, {"jyo", u"じょ"},
    {"ta", u"た"}, {"ti", u"ち"}, {"chi", u"ち"}, {"tu", u"つ"}, {"tsu", u"つ"}, {"te", u"て"},
    {"to", u"と"}, {"thi", u"てぃ"}, {"thu", u"てゅ"},
    {"tya", u"ちゃ"}, {"tyi", u"ちぃ"}, {"tyu", u"ちゅ"}, {"tye", u"ちぇ"}, {"tyo", u"ちょ"},
    {"cha", u"ちゃ"}, {"chu", u"ちゅ"}, {"che", u"ちぇ"}, {"cho", u"ちょ"},
    {"cya", u"ちゃ"}, {"cyi", u"ちぃ"}, {"cyu", u"ちゅ"}, {"cye", u"ちぇ"}, {"cyo", u"ちょ"},
    {"da", u"だ"}, {"di", u"ぢ"}, {"du", u"づ"}, {"de", u"で"}, {"do", u"ど"},
    {"dya", u"ぢゃ"}, {"dyi", u"ぢぃ"}, {"dyu", u"ぢゅ"}, {"dye", u"ぢぇ"}, {"dyo", u"ぢょ"},
    {"dhi", u"でぃ"}, {"dhu", u"でゅ"},
    {"na", u"な"}, {"ni", u"に"}, {"nu", u"ぬ"}, {"ne", u"ね"}, {"no", u"の"},
    {"nya", u"にゃ"}, {"nyi", u"にぃ"}, {"nyu", u"にゅ"}, {"nye", u"にぇ"}, {"nyo", u"にょ"},
    {"ha", u"は"}, {"hi", u"ひ"}, {"hu", u"ふ"}, {"fu", u"ふ"}, {"he", u"へ"}, {"ho", u"ほ"},
    {"hya", u"ひゃ"}, {"hyi", u"ひぃ"}, {"hyu", u"ひゅ"}, {"hye", u"ひぇ"}, {"hyo", u"ひょ"},
    {"fa", u"ふぁ"}, {"fi", u"ふぃ"}, {"fe", u"ふぇ"}, {"fo", u"ふぉ"}, {"fyu", u"ふゅ"},
    {"ba", u"ば"}, {"bi", u"び"}, {"bu", u"ぶ"}, {"be", u"べ"}, {"bo", u"ぼ"},
    {"bya", u"びゃ"}, {"byi", u"びぃ"}, {"byu", u"びゅ"}, {"bye", u"びぇ"}, {"byo", u"びょ"},
    {"pa", u"ぱ"}, {"pi", u"ぴ"}, {"pu", u"ぷ"}, {"pe", u"ぺ"}, {"po", u"ぽ"},
    {"pya", u"ぴゃ"}, {"pyi", u"ぴぃ"}, {"pyu", u"ぴゅ"}, {"pye", u"ぴぇ"}, {"pyo", u"ぴょ"},
    {"ma", u"ま"}, {"mi", u"み"}, {"mu", u"む"}, {"me", u"め"}, {"mo", u"も"},
    {"mya", u"みゃ"}, {"myi", u"みぃ"}, {"myu", u"みゅ"}, {"mye", u"みぇ"}, {"myo", u"みょ"},
    {"ya", u"や"}, {"yu", u"ゆ"}, {"ye", u"いぇ"}, {"yo", u"よ"},
    {"ra", u"ら"}, {"ri", u"り"}, {"ru", u"る"}, {"re", u"れ"}, {"ro", u"ろ"},
    {"rya", u"りゃ"}, {"ryi", u"りぃ"}, {"ryu", u"りゅ"}, {"rye", u"りぇ"}, {"ryo", u"りょ"},
    {"wa", u"わ"}, {"wi", u"うぃ"}, {"we", u"うぇ"}, {"wo", u"を"},
    {"va", u"ゔぁ"}, {"vi", u"ゔぃ"}, {"vu", u"ゔ"}, {"ve", u"ゔぇ"}, {"vo", u"ゔぉ"},
    {"xa", u"ぁ"}, {"xi", u"ぃ"}, {"xu", u"ぅ"}, {"xe", u"ぇ"}, {"xo", u"ぉ"},
    {"la", u"ぁ"}, {"li", u"ぃ"}, {"lu", u"ぅ"}, {"le", u"ぇ"}, {"lo", u"ぉ"},
    {"xya", u"ゃ"}, {"xyu", u"ゅ"}, {"xyo", u"ょ"}, {"lya", u"ゃ"}, {"lyu", u"ゅ"}, {"lyo", u"ょ"},
    {"xtu", u"っ"}, {"xtsu", u"っ"}, {"ltu", u"っ"}, {"ltsu", u"っ"},
    {"xwa", u"ゎ"}, {"lwa", u"ゎ"}, {"xka", u"ゕ"}, {"lka", u"ゕ"}, {"xke", u"ゖ"}, {"lke", u"ゖ"},
};

bool IsLatinLetter(char16_t unit)
{
    return unit >= u'a' && unit <= u'z';
}

bool IsVowel(char16_t unit)
{
    return unit == u'a' || unit == u'i' || unit == u'u' || unit == u'e' || unit == u'o';
}

bool SpellingStartsWith(std::string_view romaji, std::u16string_view letters)
{
    return letters.size() <= romaji.size() &&
           std::equal(letters.begin(), letters.end(), romaji.begin());
}

// The longest spelling the letters at the start of text make, or null.
const RomajiSpelling* LongestSpellingAt(std::u16string_view text)
{
    const RomajiSpelling* longest = nullptr;
    for (const RomajiSpelling& spelling : kRomajiSpellings) {
        if (spelling.romaji.size() <= text.size() &&
            SpellingStartsWith(spelling.romaji, text.substr(0, spelling.romaji.size())) &&
            (!longest || spelling.romaji.size() > longest->romaji.size()))
            longest = &spelling;
    }
    return longest;
}

// What a syllable begun with these letters may become, none the start of another; empty when
// no spelling begins with them.
std::vector<std::u16string> OpenSyllable(std::u16string_view letters)
{
    std::vector<std::u16string> kana;
    for (const RomajiSpelling& spelling : kRomajiSpellings) {
        if (SpellingStartsWith(spelling.romaji, letters))
            kana.emplace_back(spelling.kana);
    }
    if (kana.empty())
        return kana;
    // "n" may already be ん; any other single consonant may be the first of a doubled one.
    if (letters == u"n")
        kana.emplace_back(u"ん");
    else if (letters.size() == 1 && !IsVowel(letters[0]))
        kana.emplace_back(u"っ");
    std::sort(kana.begin(), kana.end());
    std::vector<std::u16string> shortest;
    for (const std::u16string& candidate : kana) {
        if (shortest.empty() || candidate.compare(0, shortest.back().size(), shortest.back()) != 0)
            shortest.push_back(candidate);
    }
    return shortest;
}

// Reads the Latin letters of folded text as an input method would, other characters kept,
// into query.spelledKana and query.openSyllable. False when some letters spell nothing.
bool SpellKana(std::u16string_view text, ReadingQuery& query)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const char16_t unit = text[at];
        const char16_t next = at + 1 < text.size() ? text[at + 1] : 0;
        const char16_t afterNext = at + 2 < text.size() ? text[at + 2] : 0;
        if (!IsLatinLetter(unit)) {
            query.spelledKana += unit == u'-' ? u'ー' : unit;
            ++at;
        } else if (const RomajiSpelling* spelling = LongestSpellingAt(text.substr(at))) {
            query.spelledKana += spelling->kana;
            at += spelling->romaji.size();
        } else if (unit == u'n' && next != 0 && next != u'y') {
            // "nn" is ん unless its second n begins な-row or にゃ-row kana ("konnichiha").
            const bool twoLetters =
                next == u'\'' || (next == u'n' && !IsVowel(afterNext) && afterNext != u'y');
            query.spelledKana += u'ん';
            at += twoLetters ? 2 : 1;
        } else if (next == unit || (unit == u't' && next == u'c')) {
            // A doubled consonant, or Hepburn's "tch", begins with っ.
            query.spelledKana += u'っ';
            ++at;
        } else {
            query.openSyllable = OpenSyllable(text.substr(at));
            return !query.openSyllable.empty();
        }
    }
    return true;
}

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

bool SplitsSurrogatePair(std::u16string_view text, std::size_t at)
{
    return at > 0 && at < text.size() && IsHighSurrogate(text[at - 1]) &&
           IsLowSurrogate(text[at]);
}

// The first place from `from` on where text holds needle as whole characters, or npos.
std::size_t FindWhole(std::u16string_view text, std::u16string_view needle, std::size_t from = 0)
{
    for (std::size_t at = text.find(needle, from); at != text.npos;
         at = text.find(needle, at + 1)) {
        if (!SplitsSurrogatePair(text, at) && !SplitsSurrogatePair(text, at + needle.size()))
            return at;
    }
    return text.npos;
}

bool StartsWithAny(std::u16string_view text, const std::vector<std::u16string>& prefixes)
{
    for (const std::u16string& prefix : prefixes) {
        if (text.substr(0, prefix.size()) == prefix)
            return true;
    }
    return false;
}

bool TagHoldsSpelledKana(const ReadingQuery& query, std::u16string_view foldedTag)
{
    const std::u16string& kana = query.spelledKana;
    if (query.openSyllable.empty())
        return FindWhole(foldedTag, kana) != foldedTag.npos;
    for (std::size_t at = FindWhole(foldedTag, kana); at != foldedTag.npos;
         at = FindWhole(foldedTag, kana, at + 1)) {
        if (StartsWithAny(foldedTag.substr(at + kana.size()), query.openSyllable))
            return true;
    }
    return false;
}

} // namespace

std::u16string FoldForSearch(std::u16string_view text)
{
    std::u16string folded;
    folded.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char16_t unit = FoldUnit(text[at]);
        const bool halfWidth = text[at] >= kHalfWidthFirst && text[at] <= kHalfWidthSemiVoicedMark;
        const char16_t next = at + 1 < text.size() ? text[at + 1] : 0;
        const char16_t marked =
            halfWidth && (next == kHalfWidthVoicedMark || next == kHalfWidthSemiVoicedMark)
                ? MarkedKana(unit, next == kHalfWidthSemiVoicedMark)
                : 0;
        if (marked) {
            folded += marked;
            ++at;
        } else {
            folded += unit;
        }
    }
    return folded;
}

ReadingQuery PrepareReadingQuery(std::u16string_view typed)
{
    ReadingQuery query;
    query.folded = FoldForSearch(typed);
    if (std::any_of(query.folded.begin(), query.folded.end(), IsLatinLetter))
        query.spellsKana = SpellKana(query.folded, query);
    if (!query.spellsKana) {
        query.spelledKana.clear();
        query.openSyllable.clear();
    }
    return query;
}

bool MatchesReading(const ReadingQuery& query, std::u16string_view foldedFace,
                    std::u16string_view foldedTag)
{
    return FindWhole(foldedFace, query.folded) != foldedFace.npos ||
           FindWhole(foldedTag, query.folded) != foldedTag.npos ||
           (query.spellsKana && TagHoldsSpelledKana(query, foldedTag));
}

