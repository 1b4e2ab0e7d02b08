// Time of one filter pass, the work done on every keystroke in the filter box, over lists of
// generated Shift-JIS emoticons and tags.
#include "view/face_filter.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

struct GeneratedList {
    std::vector<std::string> faces;
    std::vector<std::string> tags;
};

static GeneratedList GenerateList(std::size_t count)
{
    static const char* const faceParts[] = {"(´・ω・`)", "(＾▽＾)", "ヽ(°∀°)ノ", "(´Д`)",
                                             "(*´∇`*)", "(；´Д`)", "♪(´ε` )", "☆彡"};
    static const char* const tagParts[] = {"しょんぼり", "笑顔", "喜び", "疲れ",
                                            "照れ", "焦り", "歌", "星"};
    const std::size_t partCount = sizeof faceParts / sizeof faceParts[0];
    GeneratedList list;
    list.faces.reserve(count);
    list.tags.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        // Two parts and the index make entries of typical length that are not all alike.
        list.faces.push_back(std::string(faceParts[i % partCount]) +
                             faceParts[(i / partCount) % partCount] + std::to_string(i));
        list.tags.push_back(std::string(tagParts[(i * 3) % partCount]) + "顔");
    }
    return list;
}

static void RunFilter(benchmark::State& state, const char* filterText)
{
    const GeneratedList list = GenerateList(static_cast<std::size_t>(state.range(0)));
    std::vector<std::string> shownFaces;
    std::vector<std::string> shownTags;
    for (auto _ : state) {
        FilterFaces(list.faces, list.tags, filterText, TextEncoding::ShiftJis, shownFaces,
                    shownTags);
        benchmark::DoNotOptimize(shownFaces.data());
        benchmark::ClobberMemory();
    }
    state.counters["shown"] = static_cast<double>(shownFaces.size());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Matches about a quarter of the entries by face.
static void BM_FilterFacesCommonText(benchmark::State& state)
{
    RunFilter(state, "ω");
}

// Matches every entry, but only through its tag.
static void BM_FilterFacesTagOnly(benchmark::State& state)
{
    RunFilter(state, "顔");
}

// Matches nothing: every face and every tag is searched in full.
static void BM_FilterFacesNoMatch(benchmark::State& state)
{
    RunFilter(state, "～");
}

BENCHMARK(BM_FilterFacesCommonText)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_FilterFacesTagOnly)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_FilterFacesNoMatch)->Arg(1000)->Arg(10000)->Arg(100000);

BENCHMARK_MAIN();
