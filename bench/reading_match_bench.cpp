// Time of one filter pass by reading, the work done on every keystroke, over lists of generated
// emoticons and tags folded beforehand as when the list is loaded; and of that folding itself.
#include "view/reading_match.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

struct GeneratedList {
    std::vector<std::u16string> faces;
    std::vector<std::u16string> tags;
};

static GeneratedList GenerateList(std::size_t count)
{
    static const char16_t* const faceParts[] = {u"(´・ω・`)", u"(＾▽＾)", u"ヽ(°∀°)ノ", u"(´Д`)",
                                                u"(*´∇`*)", u"(；´Д`)", u"♪(´ε` )", u"☆彡"};
    // Readings in hiragana, katakana and half-width, kanji, Latin letters and no tag at all.
    static const char16_t* const tagParts[] = {u"しょんぼり", u"えがお", u"ネコ", u"ﾅﾐﾀﾞ",
                                               u"照れ", u"らーめん", u"Music", u""};
    const std::size_t partCount = sizeof faceParts / sizeof faceParts[0];
    GeneratedList list;
    list.faces.reserve(count);
    list.tags.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        // Two parts and the index make entries of typical length that are not all alike.
        std::u16string face = std::u16string(faceParts[i % partCount]) +
                              faceParts[(i / partCount) % partCount];
        for (char digit : std::to_string(i))
            face += static_cast<char16_t>(digit);
        list.faces.push_back(face);
        list.tags.push_back(tagParts[(i * 3) % partCount]);
    }
    return list;
}

// Every face and tag folded into one buffer, as the picker keeps them: key j (face 2i, tag
// 2i + 1) is text[start[j], start[j + 1]).
struct FoldedList {
    std::u16string text;
    std::vector<std::size_t> start;

    std::u16string_view Key(std::size_t index) const
    {
        return std::u16string_view(text).substr(start[index], start[index + 1] - start[index]);
    }
};

static FoldedList FoldList(const GeneratedList& list)
{
    FoldedList folded;
    folded.start.assign(1, 0);
    folded.start.reserve(2 * list.faces.size() + 1);
    std::size_t units = 0;
    for (std::size_t i = 0; i < list.faces.size(); ++i)
        units += list.faces[i].size() + list.tags[i].size();
    folded.text.reserve(units);
    for (std::size_t i = 0; i < list.faces.size(); ++i) {
        AppendFoldedForSearch(list.faces[i], folded.text);
        folded.start.push_back(folded.text.size());
        AppendFoldedForSearch(list.tags[i], folded.text);
        folded.start.push_back(folded.text.size());
    }
    folded.text.shrink_to_fit();
    return folded;
}

// The one-time folding of every face and tag, and the memory the folded forms add per entry:
// the keys, where each starts, and the four-byte index a choice moves instead of the keys.
static void BM_FoldList(benchmark::State& state)
{
    const GeneratedList list = GenerateList(static_cast<std::size_t>(state.range(0)));
    FoldedList folded;
    for (auto _ : state) {
        folded = FoldList(list);
        benchmark::DoNotOptimize(folded.text.data());
    }
    const std::size_t bytes = (folded.text.capacity() + 1) * sizeof(char16_t) +
                              folded.start.capacity() * sizeof(std::size_t) +
                              list.faces.size() * sizeof(std::uint32_t);
    state.counters["bytes/entry"] = static_cast<double>(bytes) / list.faces.size();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// One keystroke: the query prepared and every entry matched, the shown entries collected.
static void RunKeystroke(benchmark::State& state, const char16_t* typed)
{
    const GeneratedList list = GenerateList(static_cast<std::size_t>(state.range(0)));
    const FoldedList folded = FoldList(list);
    std::vector<std::uint32_t> shown;
    shown.reserve(list.faces.size());
    for (auto _ : state) {
        shown.clear();
        const ReadingQuery query = PrepareReadingQuery(typed);
        for (std::size_t i = 0; i < list.faces.size(); ++i) {
            if (MatchesReading(query, folded.Key(2 * i), folded.Key(2 * i + 1)))
                shown.push_back(static_cast<std::uint32_t>(i));
        }
        benchmark::DoNotOptimize(shown.data());
        benchmark::ClobberMemory();
    }
    state.counters["shown"] = static_cast<double>(shown.size());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Romaji spelling a whole reading: found in the katakana tags.
static void BM_ReadingRomaji(benchmark::State& state)
{
    RunKeystroke(state, u"neko");
}

// Romaji with its last syllable still being typed: several kana may follow.
static void BM_ReadingOpenSyllable(benchmark::State& state)
{
    RunKeystroke(state, u"ra-men");
}

// Kana as the input method gives it, found in the half-width tags.
static void BM_ReadingKana(benchmark::State& state)
{
    RunKeystroke(state, u"なみだ");
}

// A symbol of the faces.
static void BM_ReadingFaceSymbol(benchmark::State& state)
{
    RunKeystroke(state, u"ω");
}

// Letters that spell no kana and match nothing: every face and tag searched in full.
static void BM_ReadingNoMatch(benchmark::State& state)
{
    RunKeystroke(state, u"xyz");
}

// Romaji full of alternatives: a long vowel left out, n before a vowel, a large kana for a
// small one, Hepburn's m and ji; and 64 letters that each read several ways.
static void BM_ReadingAlternatives(benchmark::State& state)
{
    RunKeystroke(state, u"ramen");
}

static void BM_ReadingManyAlternatives(benchmark::State& state)
{
    RunKeystroke(state, u"shonbori egao kinenn shimbun hanaji fuaito toukyou konnyaku gyunyu");
}

static void BM_ReadingAmbiguousN(benchmark::State& state)
{
    RunKeystroke(state, std::u16string(64, u'n').c_str());
}

static void BM_ReadingAmbiguousO(benchmark::State& state)
{
    RunKeystroke(state, std::u16string(64, u'o').c_str());
}

BENCHMARK(BM_FoldList)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadingRomaji)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadingOpenSyllable)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadingKana)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadingFaceSymbol)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadingNoMatch)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadingAlternatives)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadingManyAlternatives)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadingAmbiguousN)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadingAmbiguousO)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
