#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "store/dictionary_export.h"
#include "store/dictionary_file.h"
#include "store/dictionary_merge.h"
#include "store/face_file.h"
#include "store/text_encoding.h"

namespace {

using Word = std::tuple<std::string, std::string, WordKind>;

std::string InEncoding(const std::string& utf8, TextEncoding encoding)
{
    ListFileForm form;
    form.encoding = encoding;
    return EncodeListFile(utf8, form);
}

std::vector<Word> WordsOf(const DictionaryFile& file)
{
    std::vector<Word> words;
    for (const DictionaryWord& word : file.words) {
        words.emplace_back(word.reading, word.word, word.kind);
    }
    return words;
}

const WordKind Face = WordKind::Emoticon;
const WordKind Symbol = WordKind::Symbol;
const WordKind Other = WordKind::Other;
const WordKind Entry = WordKind::ListEntry;

// Narrow literals are Shift-JIS in this program; u8 ones UTF-8.
TEST(Dictionary, EachFormatAndEncodingGivesItsWords)
{
    const struct {
        const char* what;
        std::string bytes;
        DictionaryFormat format;
        bool shiftJis;
        std::vector<Word> words;
        std::size_t badLines;
    } cases[] = {
        {"Microsoft IME, UTF-16 with its header and a comment column",
         InEncoding(u8"!Microsoft IME Dictionary Tool\r\n!Version:\r\n!Format:WORDLIST\r\n\r\n"
                    u8"にこ\t(^_^)\t顔文字\tえがお\r\nわらい\t(^_^)\t顔文字\r\nかお\t顔\t名詞\r\n",
                    TextEncoding::Utf16LeWithBom),
         DictionaryFormat::MicrosoftIme, false,
         {{u8"にこ", "(^_^)", Face}, {u8"わらい", "(^_^)", Face}, {u8"かお", u8"顔", Other}}, 0},
        {"Microsoft IME in Shift-JIS, a line without part of speech",
         "!Microsoft IME Dictionary Tool\r\nなく\t(;_;)\t顔文字\r\nだめ\t(x_x)\r\nほし\t☆\t記号\r\n",
         DictionaryFormat::MicrosoftIme, true,
         {{"なく", "(;_;)", Face}, {"ほし", "☆", Symbol}}, 1},
        {"Mozc: UTF-8, comment lines, LF, an empty reading",
         u8"# user dictionary\nねこ\t(=^・^=)\t顔文字\t\n\t(o_o)\t顔文字\t\nいぬ\tU^ェ^U\t顔文字\tわん\n",
         DictionaryFormat::Mozc, false,
         {{u8"ねこ", u8"(=^・^=)", Face}, {u8"いぬ", u8"U^ェ^U", Face}}, 1},
        {"ATOK, UTF-16 with a marked part of speech",
         InEncoding(u8"!!ATOK_TANGO_TEXT_HEADER_1\r\n!! comment\r\nくま\tʕ•ᴥ•ʔ\t顔文字*\r\n",
                    TextEncoding::Utf16LeWithBom),
         DictionaryFormat::Atok, false, {{u8"くま", u8"ʕ•ᴥ•ʔ", Face}}, 0},
        {"ATOK in Shift-JIS", "!!ATOK_TANGO_TEXT_HEADER_1\r\nはーと\t＜３\t記号*\r\n",
         DictionaryFormat::Atok, true, {{"はーと", "＜３", Symbol}}, 0},
        {"an emoticon list in UTF-8 with a mark: tags of several readings, faces alone",
         u8"\xEF\xBB\xBFにこ えがお\t(^_^)\r\n\t(;_;)\r\n(o_o)\r\nx\r\n", DictionaryFormat::FaceList,
         false, {{u8"にこ えがお", "(^_^)", Entry}, {"", "(;_;)", Entry}, {"", "(o_o)", Entry}}, 0},
        {"an emoticon list in Shift-JIS whose faces hold TABs", "ねこ\t(=^・^=)\r\nあ\tb\tc\r\n",
         DictionaryFormat::FaceList, true, {{"ねこ", "(=^・^=)", Entry}, {"あ", "b\tc", Entry}}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DictionaryFile file;
        ASSERT_EQ(ParseDictionary(c.bytes, file), DictionaryProblem::None);
        EXPECT_EQ(file.format, c.format);
        EXPECT_EQ(file.shiftJis, c.shiftJis);
        EXPECT_EQ(WordsOf(file), c.words);
        EXPECT_EQ(file.badLines, c.badLines);
    }
}

TEST(Dictionary, BadFilesAreRefusedAndGiveNoWords)
{
    const struct {
        const char* what;
        std::string bytes;
        DictionaryProblem problem;
    } cases[] = {
        {"empty", "", DictionaryProblem::Empty},
        {"only line ends and a mark", "\xEF\xBB\xBF\r\n \r\n", DictionaryProblem::Empty},
        {"binary", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), DictionaryProblem::Binary},
        {"too large", std::string(DictionaryFileLimit + 1, 'a'), DictionaryProblem::TooLarge},
        {"a line of a megabyte",
         u8"ねこ\t(=^・^=)\t顔文字\n" + std::string(1 << 20, 'a') + "\n", DictionaryProblem::LineTooLong},
        {"UTF-32", std::string("\xFF\xFE\0\0a\0\0\0", 8), DictionaryProblem::UnknownEncoding},
        {"UTF-16 without its mark", std::string("a\0\t\0b\0\t\0c\0\r\0\n\0", 14),
         DictionaryProblem::UnknownEncoding},
        {"Latin-1", "caf\xE9\t(^_^)\n", DictionaryProblem::UnknownEncoding},
        {"headers and comments only", "!Microsoft IME Dictionary Tool\r\n!Version:\r\n",
         DictionaryProblem::NoWords},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DictionaryFile file;
        EXPECT_EQ(ParseDictionary(c.bytes, file), c.problem);
        EXPECT_TRUE(file.words.empty());
    }
}

// A file over the limit is refused by its size, before it is read.
TEST(Dictionary, ReadingRefusesAMissingOrHugeFile)
{
    std::string bytes = "left over";
    EXPECT_EQ(ReadDictionaryBytes("no-such-dictionary.txt", bytes), DictionaryProblem::Unreadable);
    const char* path = "huge-dictionary.txt";
    std::FILE* file = std::fopen(path, "wb");
    ASSERT_NE(file, nullptr);
    std::fseek(file, static_cast<long>(DictionaryFileLimit), SEEK_SET);
    std::fputc('a', file);
    std::fclose(file);
    EXPECT_EQ(ReadDictionaryBytes(path, bytes), DictionaryProblem::TooLarge);
    EXPECT_TRUE(bytes.empty());
    std::remove(path);
}

TEST(Dictionary, ImportMergesReadingsByFaceAndAppendsNewFaces)
{
    const std::vector<DictionaryWord> emoticons = {
        {"nico", "(^_^)", Face}, {"warai", "(^_^)", Face}, {"neko", "(=^.^=)", Face},
        {"kao", "face", Other},  {"nya", "(=^.^=)", Face}, {"smile", "(^_^)", Face},
        {"nico", "(^_^)", Face}, {"hoshi", "*", Symbol},
    };
    const struct {
        const char* what;
        TextList faces, tags;
        std::vector<DictionaryWord> words;
        bool everyWord;
        TextList facesAfter, tagsAfter;
        std::size_t tagged, taken, leftOut;
    } cases[] = {
        {"an empty list: one entry a face, its readings in order, once each", {}, {}, emoticons,
         false, {"(^_^)", "(=^.^=)"}, {"nico warai smile", "neko nya"}, 0, 6, 2},
        {"held faces gain only the readings they lack; new ones go to the end",
         {"(T_T)", "(^_^)", "(=^.^=)", "(^_^)"}, {"naki", "smile nico", "", "other"}, emoticons,
         false, {"(T_T)", "(^_^)", "(=^.^=)", "(^_^)"}, {"naki", "smile nico warai", "neko nya", "other"},
         2, 6, 2},
        {"every word when asked", {"face"}, {"kao"}, emoticons, true,
         {"face", "(^_^)", "(=^.^=)", "*"}, {"kao", "nico warai smile", "neko nya", "hoshi"}, 0, 8, 0},
        {"symbols where the dictionary has no emoticon", {}, {},
         {{"hoshi", "*", Symbol}, {"kao", "face", Other}}, false, {"*"}, {"hoshi"}, 0, 1, 1},
        {"a list's entries split their tags and keep faces without one", {"(o_o)"}, {"me"},
         {{"a  b", "(o_o)", Entry}, {"", "(;_;)", Entry}, {"b", "(o_o)", Entry}}, false,
         {"(o_o)", "(;_;)"}, {"me a b", ""}, 1, 3, 0},
        {"nothing new", {"(^_^)"}, {"nico"}, {{"nico", "(^_^)", Face}}, false, {"(^_^)"}, {"nico"}, 0,
         1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ImportPlan plan = PlanImport(c.faces, c.tags, c.words, c.everyWord);
        EXPECT_EQ(plan.taggedEntries.size(), c.tagged);
        EXPECT_EQ(plan.wordsTaken, c.taken);
        EXPECT_EQ(plan.wordsLeftOut, c.leftOut);
        TextList faces = c.faces;
        TextList tags = c.tags;
        ApplyImportPlan(faces, tags, plan);
        EXPECT_EQ(faces, c.facesAfter);
        EXPECT_EQ(tags, c.tagsAfter);
    }
}

TEST(Dictionary, ExportWritesEachReadingAsALineAndNamesWhatItLeavesOut)
{
    const TextList faces = {"(^_^)", "(=^.^=)", u8"(笑)", "a\tb", "(o_o)", "(-_-)"};
    const TextList tags = {u8"にこ ニコ えがお", u8"ネコ", u8"わら", u8"たぶ", u8"笑", ""};
    const std::string lines = u8"にこ\t(^_^)\t顔文字@えがお\t(^_^)\t顔文字@ねこ\t(=^.^=)\t顔文字@"
                              u8"わら\t(笑)\t顔文字@";
    auto withLineEnd = [&](const std::string& end) {
        std::string text;
        for (char c : lines) {
            text += c == '@' ? end : std::string(1, c);
        }
        return text;
    };

    DictionaryExport mozc = ExportDictionary(faces, tags, DictionaryFormat::Mozc);
    EXPECT_EQ(mozc.bytes, withLineEnd("\t\r\n"));
    EXPECT_EQ(mozc.lines, 4u);
    EXPECT_EQ(mozc.entriesWritten, 3u);
    EXPECT_EQ(mozc.leftOut, (TextList{"a\tb", "(o_o)", "(-_-)"}));

    DictionaryExport ime = ExportDictionary(faces, tags, DictionaryFormat::MicrosoftIme);
    ASSERT_EQ(ime.bytes.substr(0, 2), "\xFF\xFE");
    ListFileForm form;
    std::string text = DecodeListFile(ime.bytes, form);
    ASSERT_EQ(text.compare(0, 31, "!Microsoft IME Dictionary Tool\r"), 0);
    EXPECT_EQ(text.substr(text.size() - withLineEnd("\r\n").size()), withLineEnd("\r\n"));
    EXPECT_EQ(ime.leftOut, mozc.leftOut);
}

TEST(Dictionary, ReadingsAnInputMethodTakes)
{
    const std::pair<std::string, std::string> cases[] = {
        {u8"ねこ", u8"ねこ"},     {u8"ネコ", u8"ねこ"},   {u8"ヴァー", u8"ゔぁー"},
        {"smile2", "smile2"},     {u8"ﾈｺ", ""},          {u8"笑", ""},
        {"a-b", ""},              {"", ""},              {std::string(60, 'a'), std::string(60, 'a')},
        {std::string(61, 'a'), ""}, {"\xE3\x81", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DictionaryReading(c.first), c.second) << c.first;
    }
}

// The starter list exported in each format and imported into an empty list comes back whole.
TEST(Dictionary, TheStarterListComesBackFromEachFormat)
{
    std::string bytes;
    ASSERT_EQ(ReadWholeFile(VEMPLOR_SAMPLE_DIR "/Vemplor.txt", bytes), FileRead::Whole);
    ListFileForm form;
    TextList faces;
    TextList tags;
    ParseFaceText(DecodeListFile(bytes, form), faces, tags);
    ASSERT_GT(faces.size(), 300u);
    for (DictionaryFormat format : {DictionaryFormat::MicrosoftIme, DictionaryFormat::Mozc}) {
        DictionaryExport exported = ExportDictionary(faces, tags, format);
        EXPECT_TRUE(exported.leftOut.empty());
        DictionaryFile file;
        ASSERT_EQ(ParseDictionary(exported.bytes, file), DictionaryProblem::None);
        EXPECT_EQ(file.format, format);
        TextList facesBack;
        TextList tagsBack;
        ApplyImportPlan(facesBack, tagsBack, PlanImport({}, {}, file.words, false));
        EXPECT_EQ(facesBack, faces);
        EXPECT_EQ(tagsBack, tags);
    }
}

} // namespace
