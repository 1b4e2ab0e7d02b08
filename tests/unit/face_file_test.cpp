#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

#include "store/face_file.h"
#include "store/file_replace.h"

namespace {

struct Entries {
    TextList faces;
    TextList tags;
};

Entries Parse(const std::string& text)
{
    Entries entries;
    ParseFaceText(text, entries.faces, entries.tags);
    return entries;
}

TEST(FaceFileParse, SplitsAtTheFirstTabAndKeepsEverythingElse)
{
    Entries entries = Parse("x\t\n\tx\na\tb\tc\n  spaced \t tag kept \n");
    EXPECT_EQ(entries.tags, (TextList{"x", "", "a", "  spaced "}));
    EXPECT_EQ(entries.faces, (TextList{"", "x", "b\tc", " tag kept "}));
}

TEST(FaceFileParse, SkipsLinesShorterThanTwoBytesButKeepsTwoByteLines)
{
    Entries entries = Parse("a\n\n顔\nab\n\t\n");
    EXPECT_EQ(entries.faces, (TextList{"顔", "ab"}));
    EXPECT_EQ(entries.tags, (TextList{"", ""}));
}

TEST(FaceFileParse, CrLfAndLfAndAMissingLastLineEndReadTheSame)
{
    Entries lf = Parse("猫\t(=^・^=)\n\t(^_^)\n");
    Entries crlf = Parse("猫\t(=^・^=)\r\n\t(^_^)\r\n");
    Entries open = Parse("猫\t(=^・^=)\r\n\t(^_^)");
    EXPECT_EQ(lf.faces, crlf.faces);
    EXPECT_EQ(lf.tags, crlf.tags);
    EXPECT_EQ(lf.faces, open.faces);
    EXPECT_EQ(lf.faces, (TextList{"(=^・^=)", "(^_^)"}));
}

TEST(FaceFileParse, OnlyTheCrBeforeLfIsALineEnd)
{
    Entries entries = Parse("a\rb\r\nc\r\r\n");
    EXPECT_EQ(entries.faces, (TextList{"a\rb", "c\r"}));
}

TEST(FaceFileParse, NulBytesAndLongLinesAreKeptWhole)
{
    std::string longFace(5000, 'w');
    std::string text = std::string("t\0g\tf\0ce\n", 9) + "\t" + longFace + "\nafter\n";
    Entries entries = Parse(text);
    ASSERT_EQ(entries.faces.size(), 3u);
    EXPECT_EQ(entries.tags[0], std::string("t\0g", 3));
    EXPECT_EQ(entries.faces[0], std::string("f\0ce", 4));
    EXPECT_EQ(entries.faces[1], longFace);
    EXPECT_EQ(entries.faces[2], "after");
}

TEST(FaceFileFormat, WritesTagTabFaceWithCrLfBetweenAndNothingAfterTheLast)
{
    EXPECT_EQ(FormatFaceText({"(^_^)", "x", "顔"}, {"smile", "", "a\tb"}),
              "smile\t(^_^)\r\n\tx\r\na\tb\t顔");
    EXPECT_EQ(FormatFaceText({}, {}), "");
    EXPECT_EQ(FormatFaceText({""}, {""}), "\t");
}

TEST(FaceFileFormat, SavedFilesLoadBackToTheSameEntries)
{
    TextList faces = {"(^_^)", "顔", "b\tc", std::string(3000, 'z'), "x"};
    TextList tags = {"smile", "", "a", "long", "ソ表"};
    Entries back = Parse(FormatFaceText(faces, tags));
    EXPECT_EQ(back.faces, faces);
    EXPECT_EQ(back.tags, tags);
}

TEST(FaceFileFormat, EntriesWithBothHalvesEmptyAreDroppedOnTheNextLoad)
{
    Entries back = Parse(FormatFaceText({"a1", "", "b2"}, {"", "", ""}));
    EXPECT_EQ(back.faces, (TextList{"a1", "b2"}));
}

TEST(FaceFileFormat, RandomBytesSurviveALoadAndSaveExceptWhatTheLineRulesDrop)
{
    std::mt19937 random(20101027);
    std::string bytes(64 * 1024, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random() & 0xFF);
    }
    Entries first = Parse(bytes);
    std::string saved = FormatFaceText(first.faces, first.tags);
    Entries second = Parse(saved);
    EXPECT_EQ(second.faces, first.faces);
    EXPECT_EQ(second.tags, first.tags);
    EXPECT_EQ(FormatFaceText(second.faces, second.tags), saved);
}

TEST(FilterFileParse, EveryLineIsAFilterAndTheTextAfterTheLastLineEndToo)
{
    TextList filters;
    ParseFilterText("猫\r\n\r\nsmile\n", filters);
    EXPECT_EQ(filters, (TextList{"猫", "", "smile", ""}));
    ParseFilterText("", filters);
    EXPECT_EQ(filters, (TextList{""}));
    ParseFilterText("a\tb\nc", filters);
    EXPECT_EQ(filters, (TextList{"a\tb", "c"}));
}

class FaceFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::random_device seed;
        directory = std::filesystem::temp_directory_path() /
                    ("vemplor-face-file-" + std::to_string(seed()));
        std::filesystem::create_directory(directory);
        path = (directory / "Vemplor.txt").string();
    }
    void TearDown() override
    {
        std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(directory, ignored);
    }
    std::string Contents()
    {
        std::string bytes;
        EXPECT_EQ(ReadWholeFile(path.c_str(), bytes), FileRead::Whole);
        return bytes;
    }
    void Write(const std::string& bytes) { WriteBytes(path, bytes); }
    static void WriteBytes(const std::string& name, const std::string& bytes)
    {
        std::FILE* file = std::fopen(name.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    std::filesystem::path directory;
    std::string path;
    std::error_code ignored;
};

TEST_F(FaceFileOnDisk, MissingFilesReadAsEmptyListsAndASaveCreatesTheFile)
{
    TextList faces = {"stale"};
    TextList tags = {"stale"};
    ReadFaceFile(path.c_str(), faces, tags);
    EXPECT_TRUE(faces.empty());
    EXPECT_TRUE(tags.empty());
    TextList filters = {"stale"};
    ReadFilterFile(path.c_str(), filters);
    EXPECT_TRUE(filters.empty());

    ASSERT_TRUE(WriteFaceFile(path.c_str(), {}, {}));
    EXPECT_EQ(Contents(), "");
}

TEST_F(FaceFileOnDisk, ASaveReplacesTheWholeFile)
{
    Write(std::string(10000, 'o'));
    ASSERT_TRUE(WriteFaceFile(path.c_str(), {"(^_^)"}, {"new"}));
    EXPECT_EQ(Contents(), "new\t(^_^)");
    TextList faces;
    TextList tags;
    ReadFaceFile(path.c_str(), faces, tags);
    EXPECT_EQ(faces, (TextList{"(^_^)"}));
}

TEST_F(FaceFileOnDisk, LeftoverTemporaryFilesAreRemovedAndWhatElseIsInTheWayIsLeftAlone)
{
    Write("old\tlist\n");
    ASSERT_TRUE(std::filesystem::create_directory(path + ".saving"));
    for (int number = 1; number <= 150; ++number) {
        WriteBytes(path + ".saving" + std::to_string(number), "stale");
    }
    WriteBytes(path + ".saving.bak", "the user's");
#ifdef _WIN32
    // Another save in progress holds its file open without sharing.
    HANDLE held = CreateFileA((path + ".saving7").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
#endif

    EXPECT_TRUE(ReplaceFileContents(path.c_str(), "new"));
    EXPECT_EQ(Contents(), "new");
    EXPECT_TRUE(std::filesystem::is_directory(path + ".saving"));
    std::string kept;
    EXPECT_EQ(ReadWholeFile((path + ".saving.bak").c_str(), kept), FileRead::Whole);
    EXPECT_EQ(kept, "the user's");
#ifdef _WIN32
    CloseHandle(held);
    EXPECT_TRUE(std::filesystem::exists(path + ".saving7"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), {}), 4);
#else
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), {}), 3);
#endif
}

TEST_F(FaceFileOnDisk, AFailedSaveLeavesTheOldFileAsItWas)
{
    Write("old\tlist\n");
    std::filesystem::permissions(path,
                                 std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_FALSE(ReplaceFileContents(path.c_str(), "new"));
    EXPECT_EQ(Contents(), "old\tlist\n");
    EXPECT_FALSE(std::filesystem::exists(path + ".saving"));
}

} // namespace
