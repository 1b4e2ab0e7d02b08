// Import and export of input-method dictionaries: a 100,000-line Microsoft IME dictionary read
// and merged into a list of 100,000 entries, half its faces new and half held (gaining a
// reading), and a list of 100,000 entries written as a dictionary.
#include <benchmark/benchmark.h>

#include <string>

#include "store/dictionary_export.h"
#include "store/dictionary_file.h"
#include "store/dictionary_merge.h"
#include "store/text_encoding.h"

namespace {

std::string FaceNumber(std::size_t number)
{
    return u8"(＾" + std::to_string(number) + u8"＾)";
}

void GenerateList(std::size_t count, TextList& faces, TextList& tags)
{
    for (std::size_t i = 0; i < count; ++i) {
        faces.push_back(FaceNumber(i * 2));
        tags.push_back(i % 3 == 0 ? std::string(u8"にこ") : std::string(u8"えがお わらい"));
    }
}

// Every other line names a face the list holds, under a reading it lacks.
std::string GenerateDictionary(std::size_t lines)
{
    std::string text = "!Microsoft IME Dictionary Tool\r\n!Version:\r\n!Format:WORDLIST\r\n";
    for (std::size_t i = 0; i < lines; ++i) {
        text += std::string(i % 2 == 0 ? u8"うれしい" : u8"にこにこ") + "\t" + FaceNumber(i) + u8"\t顔文字\r\n";
    }
    ListFileForm form;
    form.encoding = TextEncoding::Utf16LeWithBom;
    return EncodeListFile(text, form);
}

void BM_ImportDictionary(benchmark::State& state)
{
    const std::size_t count = static_cast<std::size_t>(state.range(0));
    TextList heldFaces;
    TextList heldTags;
    GenerateList(count, heldFaces, heldTags);
    const std::string bytes = GenerateDictionary(count);
    std::size_t added = 0;
    for (auto _ : state) {
        TextList faces = heldFaces;
        TextList tags = heldTags;
        DictionaryFile file;
        ParseDictionary(bytes, file);
        ImportPlan plan = PlanImport(faces, tags, file.words, false);
        ApplyImportPlan(faces, tags, plan);
        added = plan.newFaces.size();
        benchmark::DoNotOptimize(faces.data());
    }
    if (added != count / 2) {
        state.SkipWithError("the import added the wrong number of faces");
    }
    state.counters["added"] = static_cast<double>(added);
}
BENCHMARK(BM_ImportDictionary)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ExportDictionary(benchmark::State& state)
{
    TextList faces;
    TextList tags;
    GenerateList(static_cast<std::size_t>(state.range(0)), faces, tags);
    std::size_t lines = 0;
    for (auto _ : state) {
        DictionaryExport exported = ExportDictionary(faces, tags, DictionaryFormat::MicrosoftIme);
        lines = exported.lines;
        benchmark::DoNotOptimize(exported.bytes.data());
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ExportDictionary)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
