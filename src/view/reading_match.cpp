#include "view/reading_match.h"

#include <algorithm>

namespace {

// U+FF61 to U+FF9F, half-width katakana and punctuation, as they are searched.
constexpr std::u16string_view kHalfWidthFolded =
    u"。「」、・をぁぃぅぇぉゃゅょっーあいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ"
    u"まみむめもやゆよらりるれろわん゛゜";
constexpr char16_t kHalfWidthFirst = 0xFF61;
constexpr char16_t kHalfWidthLast = 0xFF9F;
static_assert(kHalfWidthFolded.size() == kHalfWidthLast - kHalfWidthFirst + 1,
              "one entry per half-width unit");

// A character that stands for another of the same look or meaning, as the other; unit itself
// when there is none.
char16_t FoldSymbol(char16_t unit)
{
    switch (unit) {
    // The yen sign: Japanese fonts draw \ as ¥, which a Shift-JIS list also holds as ￥ and a
    // UTF-8 one as ¥.
    case 0x00A5:
    case 0xFFE5: return u'\\';
    // The wave dash: a Shift-JIS list decodes it as ～ (folded to ~), a UTF-8 list holds 〜.
    case 0x301C: return u'~';
    // Shift-JIS decodes these as －, ∥, ―, ￠, ￡ and ￢, other encodings hold them as written.
    case 0x2212: return u'-';
    case 0x2016: return 0x2225;
    case 0x2014: return 0x2015;
    case 0xFFE0: return 0x00A2;
    case 0xFFE1: return 0x00A3;
    case 0xFFE2: return 0x00AC;
    // Combining voiced marks that follow no kana taking them: the spacing ones.
    case 0x3099: return 0x309B;
    case 0x309A: return 0x309C;
    // Long vowels written with a macron or a circumflex.
    case 0x0100: case 0x0101: case 0x00C2: case 0x00E2: return u'a';
    case 0x012A: case 0x012B: case 0x00CE: case 0x00EE: return u'i';
    case 0x016A: case 0x016B: case 0x00DB: case 0x00FB: return u'u';
    case 0x0112: case 0x0113: case 0x00CA: case 0x00EA: return u'e';
    case 0x014C: case 0x014D: case 0x00D4: case 0x00F4: return u'o';
    default: return unit;
    }
}

// One code unit as it is searched; a voiced mark is joined to its kana by the caller.
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
    if (unit >= kHalfWidthFirst && unit <= kHalfWidthLast)
        return kHalfWidthFolded[unit - kHalfWidthFirst];
    return FoldSymbol(unit);
}

enum class Mark { None, Voiced, SemiVoiced };

// A voiced or semi-voiced mark as it may follow a kana: combining, spacing or half-width.
Mark MarkOf(char16_t unit)
{
    switch (unit) {
    case 0x3099:
    case 0x309B:
    case 0xFF9E: return Mark::Voiced;
    case 0x309A:
    case 0x309C:
    case 0xFF9F: return Mark::SemiVoiced;
    default: return Mark::None;
    }
}

// A plain hiragana as folding leaves it, with the mark; 0 when it takes none. か to ち and つ
// to と come in pairs, plain then voiced; は to ほ in threes. The voiced わ-row has katakana only.
char16_t MarkedKana(char16_t kana, Mark mark)
{
    const bool semiVoiced = mark == Mark::SemiVoiced;
    if ((kana >= u'か' && kana <= u'ち' && (kana - u'か') % 2 == 0) ||
        (kana >= u'つ' && kana <= u'と' && (kana - u'つ') % 2 == 0))
        return semiVoiced ? 0 : kana + 1;
    if (kana >= u'は' && kana <= u'ほ' && (kana - u'は') % 3 == 0)
        return kana + (semiVoiced ? 2 : 1);
    if (semiVoiced)
        return 0;
    switch (kana) {
    case u'う': return u'ゔ';
    case u'ゝ': return u'ゞ';
    case u'わ': return u'ヷ';
    case u'ゐ': return u'ヸ';
    case u'ゑ': return u'ヹ';
    case u'を': return u'ヺ';
    default: return 0;
    }
}

struct RomajiSpelling {
    std::string_view romaji;
    std::u16string_view kana;
};

// Hepburn, Kunrei and the spellings input methods accept. ん, っ and long vowels are read by
// rule (ReadingsAt, AddLongVowel).
constexpr RomajiSpelling kRomajiSpellings[] = {
    {"a", u"あ"}, {"i", u"い"}, {"u", u"う"}, {"e", u"え"}, {"o", u"お"},
    {"ka", u"か"}, {"ki", u"き"}, {"ku", u"く"}, {"ke", u"け"}, {"ko", u"こ"},
    {"kya", u"きゃ"}, {"kyi", u"きぃ"}, {"kyu", u"きゅ"}, {"kye", u"きぇ"}, {"kyo", u"きょ"},
    {"kwa", u"くぁ"}, {"kwi", u"くぃ"}, {"kwu", u"くぅ"}, {"kwe", u"くぇ"}, {"kwo", u"くぉ"},
    {"qa", u"くぁ"}, {"qi", u"くぃ"}, {"qu", u"く"}, {"qe", u"くぇ"}, {"qo", u"くぉ"},
    {"qwa", u"くぁ"}, {"qwi", u"くぃ"}, {"qwu", u"くぅ"}, {"qwe", u"くぇ"}, {"qwo", u"くぉ"},
    {"qya", u"くゃ"}, {"qyu", u"くゅ"}, {"qyo", u"くょ"},
    {"ca", u"か"}, {"ci", u"し"}, {"cu", u"く"}, {"ce", u"せ"}, {"co", u"こ"},
    {"ga", u"が"}, {"gi", u"ぎ"}, {"gu", u"ぐ"}, {"ge", u"げ"}, {"go", u"ご"},
    {"gya", u"ぎゃ"}, {"gyi", u"ぎぃ"}, {"gyu", u"ぎゅ"}, {"gye", u"ぎぇ"}, {"gyo", u"ぎょ"},
    {"gwa", u"ぐぁ"}, {"gwi", u"ぐぃ"}, {"gwu", u"ぐぅ"}, {"gwe", u"ぐぇ"}, {"gwo", u"ぐぉ"},
    {"sa", u"さ"}, {"si", u"し"}, {"shi", u"し"}, {"su", u"す"}, {"se", u"せ"}, {"so", u"そ"},
    {"sya", u"しゃ"}, {"syi", u"しぃ"}, {"syu", u"しゅ"}, {"sye", u"しぇ"}, {"syo", u"しょ"},
    {"sha", u"しゃ"}, {"shu", u"しゅ"}, {"she", u"しぇ"}, {"sho", u"しょ"},
    {"swa", u"すぁ"}, {"swi", u"すぃ"}, {"swu", u"すぅ"}, {"swe", u"すぇ"}, {"swo", u"すぉ"},
    {"za", u"ざ"}, {"zi", u"じ"}, {"ji", u"じ"}, {"zu", u"ず"}, {"ze", u"ぜ"}, {"zo", u"ぞ"},
    {"zya", u"じゃ"}, {"zyi", u"じぃ"}, {"zyu", u"じゅ"}, {"zye", u"じぇ"}, {"zyo", u"じょ"},
    {"ja", u"じゃ"}, {"ju", u"じゅ"}, {"je", u"じぇ"}, {"jo", u"じょ"},
    {"jya", u"じゃ"}, {"jyi", u"じぃ"}, {"jyu", u"じゅ"}, {"jye", u"じぇ"}, {"jyo", u"じょ"},
    {"ta", u"た"}, {"ti", u"ち"}, {"chi", u"ち"}, {"tu", u"つ"}, {"tsu", u"つ"}, {"te", u"て"},
    {"to", u"と"},
    {"tya", u"ちゃ"}, {"tyi", u"ちぃ"}, {"tyu", u"ちゅ"}, {"tye", u"ちぇ"}, {"tyo", u"ちょ"},
    {"cha", u"ちゃ"}, {"chu", u"ちゅ"}, {"che", u"ちぇ"}, {"cho", u"ちょ"},
    {"cya", u"ちゃ"}, {"cyi", u"ちぃ"}, {"cyu", u"ちゅ"}, {"cye", u"ちぇ"}, {"cyo", u"ちょ"},
    {"tsa", u"つぁ"}, {"tsi", u"つぃ"}, {"tse", u"つぇ"}, {"tso", u"つぉ"},
    {"tha", u"てゃ"}, {"thi", u"てぃ"}, {"thu", u"てゅ"}, {"the", u"てぇ"}, {"tho", u"てょ"},
    {"twa", u"とぁ"}, {"twi", u"とぃ"}, {"twu", u"とぅ"}, {"twe", u"とぇ"}, {"two", u"とぉ"},
    {"da", u"だ"}, {"di", u"ぢ"}, {"du", u"づ"}, {"de", u"で"}, {"do", u"ど"},
    {"dya", u"ぢゃ"}, {"dyi", u"ぢぃ"}, {"dyu", u"ぢゅ"}, {"dye", u"ぢぇ"}, {"dyo", u"ぢょ"},
    {"dha", u"でゃ"}, {"dhi", u"でぃ"}, {"dhu", u"でゅ"}, {"dhe", u"でぇ"}, {"dho", u"でょ"},
    {"dwa", u"どぁ"}, {"dwi", u"どぃ"}, {"dwu", u"どぅ"}, {"dwe", u"どぇ"}, {"dwo", u"どぉ"},
    {"na", u"な"}, {"ni", u"に"}, {"nu", u"ぬ"}, {"ne", u"ね"}, {"no", u"の"},
    {"nya", u"にゃ"}, {"nyi", u"にぃ"}, {"nyu", u"にゅ"}, {"nye", u"にぇ"}, {"nyo", u"にょ"},
    {"xn", u"ん"},
    {"ha", u"は"}, {"hi", u"ひ"}, {"hu", u"ふ"}, {"fu", u"ふ"}, {"he", u"へ"}, {"ho", u"ほ"},
    {"hya", u"ひゃ"}, {"hyi", u"ひぃ"}, {"hyu", u"ひゅ"}, {"hye", u"ひぇ"}, {"hyo", u"ひょ"},
    {"fa", u"ふぁ"}, {"fi", u"ふぃ"}, {"fe", u"ふぇ"}, {"fo", u"ふぉ"},
    {"fya", u"ふゃ"}, {"fyi", u"ふぃ"}, {"fyu", u"ふゅ"}, {"fye", u"ふぇ"}, {"fyo", u"ふょ"},
    {"fwa", u"ふぁ"}, {"fwi", u"ふぃ"}, {"fwu", u"ふぅ"}, {"fwe", u"ふぇ"}, {"fwo", u"ふぉ"},
    {"hwa", u"ふぁ"}, {"hwi", u"ふぃ"}, {"hwe", u"ふぇ"}, {"hwo", u"ふぉ"}, {"hwyu", u"ふゅ"},
    {"ba", u"ば"}, {"bi", u"び"}, {"bu", u"ぶ"}, {"be", u"べ"}, {"bo", u"ぼ"},
    {"bya", u"びゃ"}, {"byi", u"びぃ"}, {"byu", u"びゅ"}, {"bye", u"びぇ"}, {"byo", u"びょ"},
    {"pa", u"ぱ"}, {"pi", u"ぴ"}, {"pu", u"ぷ"}, {"pe", u"ぺ"}, {"po", u"ぽ"},
    {"pya", u"ぴゃ"}, {"pyi", u"ぴぃ"}, {"pyu", u"ぴゅ"}, {"pye", u"ぴぇ"}, {"pyo", u"ぴょ"},
    {"ma", u"ま"}, {"mi", u"み"}, {"mu", u"む"}, {"me", u"め"}, {"mo", u"も"},
    {"mya", u"みゃ"}, {"myi", u"みぃ"}, {"myu", u"みゅ"}, {"mye", u"みぇ"}, {"myo", u"みょ"},
    {"ya", u"や"}, {"yi", u"い"}, {"yu", u"ゆ"}, {"ye", u"いぇ"}, {"yo", u"よ"},
    {"ra", u"ら"}, {"ri", u"り"}, {"ru", u"る"}, {"re", u"れ"}, {"ro", u"ろ"},
    {"rya", u"りゃ"}, {"ryi", u"りぃ"}, {"ryu", u"りゅ"}, {"rye", u"りぇ"}, {"ryo", u"りょ"},
    {"wa", u"わ"}, {"wi", u"うぃ"}, {"wu", u"う"}, {"we", u"うぇ"}, {"wo", u"を"},
    {"wha", u"うぁ"}, {"whi", u"うぃ"}, {"whu", u"う"}, {"whe", u"うぇ"}, {"who", u"うぉ"},
    {"wyi", u"ゐ"}, {"wye", u"ゑ"},
    {"va", u"ゔぁ"}, {"vi", u"ゔぃ"}, {"vu", u"ゔ"}, {"ve", u"ゔぇ"}, {"vo", u"ゔぉ"},
    {"vya", u"ゔゃ"}, {"vyi", u"ゔぃ"}, {"vyu", u"ゔゅ"}, {"vye", u"ゔぇ"}, {"vyo", u"ゔょ"},
    {"xa", u"ぁ"}, {"xi", u"ぃ"}, {"xu", u"ぅ"}, {"xe", u"ぇ"}, {"xo", u"ぉ"},
    {"la", u"ぁ"}, {"li", u"ぃ"}, {"lu", u"ぅ"}, {"le", u"ぇ"}, {"lo", u"ぉ"},
    {"xyi", u"ぃ"}, {"xye", u"ぇ"}, {"lyi", u"ぃ"}, {"lye", u"ぇ"},
    {"xya", u"ゃ"}, {"xyu", u"ゅ"}, {"xyo", u"ょ"}, {"lya", u"ゃ"}, {"lyu", u"ゅ"}, {"lyo", u"ょ"},
    {"xtu", u"っ"}, {"xtsu", u"っ"}, {"ltu", u"っ"}, {"ltsu", u"っ"},
    {"xwa", u"ゎ"}, {"lwa", u"ゎ"}, {"xka", u"ゕ"}, {"lka", u"ゕ"}, {"xke", u"ゖ"}, {"lke", u"ゖ"},
};
constexpr std::size_t kLongestSpelling = 4;

struct SmallKana {
    char16_t small;
    char16_t large;
};

// Small kana that a large one also finds: はぁ is found by "haa", うぃんく by "uinku"; ヵ and
// ヶ, read か, け or が (ヶ月 かげつ, 霞ヶ関 かすみがせき), by each. Not ゃゅょっ: "kiyo" is
// not きょ.
constexpr SmallKana kSmallKana[] = {
    {u'ぁ', u'あ'}, {u'ぃ', u'い'}, {u'ぅ', u'う'}, {u'ぇ', u'え'}, {u'ぉ', u'お'},
    {u'ゎ', u'わ'}, {u'ゕ', u'か'}, {u'ゕ', u'け'}, {u'ゕ', u'が'}, {u'ゖ', u'か'},
    {u'ゖ', u'け'}, {u'ゖ', u'が'},
};

bool MayStandForSmallKana(char16_t unit)
{
    return std::any_of(std::begin(kSmallKana), std::end(kSmallKana),
                       [unit](const SmallKana& kana) { return kana.large == unit; });
}

// What else a tag may hold where romaji spells this unit: Hepburn's ji and zu also write ぢ
// and づ, o also writes を; a typed - is the long vowel mark ー or itself.
char16_t SoundsAlike(char16_t kana)
{
    switch (kana) {
    case u'じ': return u'ぢ';
    case u'ず': return u'づ';
    case u'お': return u'を';
    case u'ー': return u'-';
    default: return kana;
    }
}

bool IsLatinLetter(char16_t unit)
{
    return unit >= u'a' && unit <= u'z';
}

bool IsVowel(char16_t unit)
{
    return unit == u'a' || unit == u'i' || unit == u'u' || unit == u'e' || unit == u'o';
}

// Whether romaji lengthens a vowel, as a tag may write with ー: the vowel again, u after o and
// u, i after e.
bool LengthensVowel(char16_t vowel, char16_t letter)
{
    return IsVowel(vowel) && (letter == vowel || (letter == u'u' && vowel == u'o') ||
                              (letter == u'i' && vowel == u'e'));
}

bool SpellingStartsWith(std::string_view romaji, std::u16string_view letters)
{
    return letters.size() <= romaji.size() &&
           std::equal(letters.begin(), letters.end(), romaji.begin());
}

// What a syllable begun with these letters may become, none the start of another; empty when
// no spelling begins with them.
std::vector<std::u16string_view> OpenSyllable(std::u16string_view letters)
{
    std::vector<std::u16string_view> kana;
    for (const RomajiSpelling& spelling : kRomajiSpellings) {
        if (SpellingStartsWith(spelling.romaji, letters))
            kana.push_back(spelling.kana);
    }
    if (kana.empty())
        return kana;
    // "n" may already be ん, and so may Hepburn's "m" before b, p and m; any other single
    // consonant may be the first of a doubled one.
    if (letters == u"n" || letters == u"m")
        kana.push_back(u"ん");
    if (letters.size() == 1 && letters[0] != u'n' && !IsVowel(letters[0]))
        kana.push_back(u"っ");
    std::sort(kana.begin(), kana.end());
    std::vector<std::u16string_view> shortest;
    for (std::u16string_view candidate : kana) {
        if (shortest.empty() || candidate.substr(0, shortest.back().size()) != shortest.back())
            shortest.push_back(candidate);
    }
    return shortest;
}

// One way to read the filter text at a place: so many units of it as this kana.
struct Reading {
    std::size_t length;
    std::u16string_view kana;
    bool romaji;
};

// Every way the folded filter text at `at` reads: a character other than a Latin letter as
// itself; letters by every spelling that begins there, ん and っ by rule, the last syllable
// while it is being typed as what it may become, and letters that spell nothing as typed.
void ReadingsAt(std::u16string_view text, std::size_t at, std::vector<Reading>& readings)
{
    const char16_t unit = text[at];
    if (!IsLatinLetter(unit)) {
        readings.push_back({1, unit == u'-' ? u"ー" : text.substr(at, 1), unit == u'-'});
        return;
    }
    const std::size_t before = readings.size();
    // A vowel that lengthens the one before may be the ー a tag writes: "raamen" finds らーめん.
    if (at > 0 && LengthensVowel(text[at - 1], unit))
        readings.push_back({1, u"ー", false});
    const std::u16string_view rest = text.substr(at);
    for (const RomajiSpelling& spelling : kRomajiSpellings) {
        if (rest.size() >= spelling.romaji.size() &&
            SpellingStartsWith(spelling.romaji, rest.substr(0, spelling.romaji.size())))
            readings.push_back({spelling.romaji.size(), spelling.kana, true});
    }
    const char16_t next = rest.size() > 1 ? rest[1] : 0;
    if (next != 0) {
        // n is ん before anything, as "nn" and "n'" are: "kinen" is きねん or きんえん.
        if (unit == u'n')
            readings.push_back({1, u"ん", true});
        if (unit == u'n' && (next == u'n' || next == u'\''))
            readings.push_back({2, u"ん", true});
        // Hepburn writes ん as m before b, p and m: "shimbun".
        if (unit == u'm' && (next == u'b' || next == u'p' || next == u'm'))
            readings.push_back({1, u"ん", true});
        // A doubled consonant, or Hepburn's "tch", begins with っ.
        if (unit != u'n' && !IsVowel(unit) && (next == unit || (unit == u't' && next == u'c')))
            readings.push_back({1, u"っ", true});
    }
    if (rest.size() <= kLongestSpelling && std::all_of(rest.begin(), rest.end(), IsLatinLetter)) {
        for (std::u16string_view kana : OpenSyllable(rest))
            readings.push_back({rest.size(), kana, true});
    }
    if (readings.size() == before)
        readings.push_back({1, text.substr(at, 1), false});
}

struct GraphBuilder {
    // The steps of each state; states 0 to the filter's length are its places.
    std::vector<std::vector<ReadingStep>> stepsOf;

    // A path from state `from` to state `to` through the units of kana, new states between.
    void AddPath(std::uint32_t from, std::uint32_t to, std::u16string_view kana, bool romaji)
    {
        for (std::size_t k = 0; k < kana.size(); ++k) {
            std::uint32_t next = to;
            if (k + 1 < kana.size()) {
                next = static_cast<std::uint32_t>(stepsOf.size());
                stepsOf.emplace_back();
            }
            stepsOf[from].push_back({kana[k], romaji ? SoundsAlike(kana[k]) : kana[k], next});
            from = next;
        }
    }

    // After a syllable ending in a vowel the tag may lengthen it, as romaji without long vowels
    // leaves out: with ー, or with kana as LengthensVowel says (う after o and u, い after e).
    void AddLongVowel(std::uint32_t state, char16_t vowel)
    {
        constexpr std::u16string_view vowels = u"aiueo";
        constexpr std::u16string_view vowelKana = u"あいうえお";
        AddPath(state, state, u"ー", false);
        for (std::size_t v = 0; v < vowels.size(); ++v) {
            if (LengthensVowel(vowel, vowels[v]))
                AddPath(state, state, vowelKana.substr(v, 1), false);
        }
    }
};

void MarkStartUnit(ReadingGraph& graph, char16_t unit)
{
    graph.startBytes[(unit & 0xFF) >> 6] |= std::uint64_t{1} << (unit & 63);
}

bool MayStartAt(const ReadingGraph& graph, char16_t unit)
{
    return (graph.startBytes[(unit & 0xFF) >> 6] >> (unit & 63)) & 1;
}

ReadingGraph BuildGraph(std::u16string_view text)
{
    GraphBuilder builder;
    builder.stepsOf.resize(text.size() + 1);
    std::vector<bool> reached(text.size() + 1);
    reached[0] = true;
    std::vector<Reading> readings;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (!reached[at])
            continue;
        const auto state = static_cast<std::uint32_t>(at);
        if (at > 0 && IsVowel(text[at - 1]))
            builder.AddLongVowel(state, text[at - 1]);
        readings.clear();
        ReadingsAt(text, at, readings);
        for (const Reading& reading : readings) {
            builder.AddPath(state, static_cast<std::uint32_t>(at + reading.length), reading.kana,
                            reading.romaji);
            reached[at + reading.length] = true;
        }
    }
    ReadingGraph graph;
    graph.accept = static_cast<std::uint32_t>(text.size());
    for (const std::vector<ReadingStep>& steps : builder.stepsOf) {
        graph.firstStep.push_back(static_cast<std::uint32_t>(graph.steps.size()));
        graph.steps.insert(graph.steps.end(), steps.begin(), steps.end());
    }
    graph.firstStep.push_back(static_cast<std::uint32_t>(graph.steps.size()));
    for (const ReadingStep& step : builder.stepsOf[0]) {
        MarkStartUnit(graph, step.unit);
        MarkStartUnit(graph, step.alsoUnit);
        for (const SmallKana& kana : kSmallKana) {
            if (kana.large == step.unit)
                MarkStartUnit(graph, kana.small);
        }
    }
    return graph;
}

bool StepTakes(const ReadingStep& step, char16_t unit)
{
    if (unit == step.unit || unit == step.alsoUnit)
        return true;
    if (unit < u'ぁ' || (unit > u'ぉ' && unit != u'ゎ' && unit < u'ゕ') || unit > u'ゖ')
        return false;
    return std::any_of(std::begin(kSmallKana), std::end(kSmallKana), [&](const SmallKana& kana) {
        return kana.small == unit && kana.large == step.unit;
    });
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

// Takes tag[at] by every step of state; true when one reaches the end of the graph there, at
// the end of a whole character. Other states reached are noted once each.
bool Advance(const ReadingQuery& query, std::uint32_t state, std::u16string_view tag,
             std::size_t at)
{
    const ReadingGraph& graph = query.graph;
    ReadingQuery::Scratch& scratch = query.scratch;
    for (std::uint32_t s = graph.firstStep[state]; s < graph.firstStep[state + 1]; ++s) {
        const ReadingStep& step = graph.steps[s];
        if (!StepTakes(step, tag[at]))
            continue;
        if (step.next == graph.accept) {
            if (!SplitsSurrogatePair(tag, at + 1))
                return true;
        } else if (scratch.seenAt[step.next] != scratch.stamp) {
            scratch.seenAt[step.next] = scratch.stamp;
            scratch.reached.push_back(step.next);
        }
    }
    return false;
}

// Whether the tag holds, from some place on, what a path through the graph reads: every path
// is followed at once, as a set of states advanced over the tag a unit at a time.
bool TagHoldsReading(const ReadingQuery& query, std::u16string_view tag)
{
    const ReadingGraph& graph = query.graph;
    ReadingQuery::Scratch& scratch = query.scratch;
    scratch.active.clear();
    for (std::size_t at = 0; at < tag.size(); ++at) {
        const bool mayStart = MayStartAt(graph, tag[at]) && !SplitsSurrogatePair(tag, at);
        if (scratch.active.empty() && !mayStart)
            continue;
        if (++scratch.stamp == 0) {
            std::fill(scratch.seenAt.begin(), scratch.seenAt.end(), 0);
            scratch.stamp = 1;
        }
        scratch.reached.clear();
        if (mayStart && Advance(query, 0, tag, at))
            return true;
        for (std::uint32_t state : scratch.active) {
            if (Advance(query, state, tag, at))
                return true;
        }
        scratch.active.swap(scratch.reached);
    }
    return false;
}

} // namespace

std::u16string FoldForSearch(std::u16string_view text)
{
    std::u16string folded;
    folded.reserve(text.size());
    AppendFoldedForSearch(text, folded);
    return folded;
}

void AppendFoldedForSearch(std::u16string_view text, std::u16string& folded)
{
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char16_t unit = FoldUnit(text[at]);
        const Mark mark = at + 1 < text.size() ? MarkOf(text[at + 1]) : Mark::None;
        const char16_t marked = mark == Mark::None ? 0 : MarkedKana(unit, mark);
        if (marked) {
            folded += marked;
            ++at;
        } else {
            folded += unit;
        }
    }
}

ReadingQuery PrepareReadingQuery(std::u16string_view typed)
{
    ReadingQuery query;
    query.folded = FoldForSearch(typed);
    // A - on its own is already the ー of a romaji reading being typed ("-" of "-men").
    query.readsKana = std::any_of(query.folded.begin(), query.folded.end(), [](char16_t unit) {
        return IsLatinLetter(unit) || MayStandForSmallKana(unit) || unit == u'-';
    });
    if (query.readsKana) {
        query.graph = BuildGraph(query.folded);
        query.scratch.seenAt.assign(query.graph.firstStep.size() - 1, 0);
    }
    return query;
}

bool MatchesReading(const ReadingQuery& query, std::u16string_view foldedFace,
                    std::u16string_view foldedTag)
{
    return FindWhole(foldedFace, query.folded) != foldedFace.npos ||
           FindWhole(foldedTag, query.folded) != foldedTag.npos ||
           (query.readsKana && TagHoldsReading(query, foldedTag));
}
