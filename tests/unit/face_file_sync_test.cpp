// The emoticon file is never written over when someone else changed it or it was not read
// whole, and what the user changed meanwhile is kept aside rather than lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <thread>

#ifdef __GLIBC__
#include <csignal>
#include <sys/resource.h>
#endif

#include "store/face_file.h"
#include "store/face_file_sync.h"

namespace {

// A literal's bytes, NULs included.
template <std::size_t Size>
std::string Bytes(const char (&literal)[Size])
{
    return std::string(literal, Size - 1);
}

class FaceFileSyncTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::random_device seed;
        directory = std::filesystem::temp_directory_path() /
                    ("vemplor-sync-" + std::to_string(seed()));
        std::filesystem::create_directory(directory);
        path = (directory / "Vemplor.txt").string();
    }
    void TearDown() override { std::filesystem::remove_all(directory, ignored); }

    void Write(const std::string& name, const std::string& bytes)
    {
        std::FILE* file = std::fopen((directory / name).string().c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    std::string Read(const std::string& name)
    {
        std::string bytes;
        ReadWholeFile((directory / name).string().c_str(), bytes);
        return bytes;
    }
    // Another program's save: different bytes of the same size, a moment later.
    void ChangeOutside(const std::string& bytes)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        Write("Vemplor.txt", bytes);
    }

    std::filesystem::path directory;
    std::string path;
    std::error_code ignored;
    TextList faces;
    TextList tags;
    FaceFileSync sync;
};

TEST_F(FaceFileSyncTest, AMissingFileLoadsEmptyAndIsCreatedByTheSave)
{
    ASSERT_TRUE(ReloadFaceLists(path.c_str(), faces, tags, sync));
    EXPECT_TRUE(faces.empty());
    ASSERT_TRUE(MayWriteFaceFile(path.c_str(), sync));
    ASSERT_TRUE(StoreFaceLists(path.c_str(), faces, tags, sync));
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_TRUE(MayWriteFaceFile(path.c_str(), sync));
}

TEST_F(FaceFileSyncTest, AnOutsideChangeIsReadAgainAndTheSessionsWorkIsKeptAside)
{
    Write("Vemplor.txt", "a\t(^_^)\r\nb\t(;_;)");
    ASSERT_TRUE(ReloadFaceLists(path.c_str(), faces, tags, sync));
    EXPECT_TRUE(MayWriteFaceFile(path.c_str(), sync));

    // The user's choice reorders the list; an editor then saves the file.
    std::swap(faces[0], faces[1]);
    std::swap(tags[0], tags[1]);
    ChangeOutside("c\t(^o^)\r\nd\t(-_-)");
    EXPECT_FALSE(MayWriteFaceFile(path.c_str(), sync));

    ASSERT_TRUE(ReloadFaceLists(path.c_str(), faces, tags, sync));
    EXPECT_EQ(faces, (TextList{"(^o^)", "(-_-)"}));
    EXPECT_EQ(Read("Vemplor.txt"), "c\t(^o^)\r\nd\t(-_-)");
    EXPECT_EQ(Read("Vemplor.unsaved.txt"), "b\t(;_;)\r\na\t(^_^)");
    EXPECT_TRUE(MayWriteFaceFile(path.c_str(), sync));

    // Reading the unchanged file again keeps nothing aside a second time.
    ASSERT_TRUE(ReloadFaceLists(path.c_str(), faces, tags, sync));
    EXPECT_FALSE(std::filesystem::exists(directory / "Vemplor.unsaved-2.txt"));
}

TEST_F(FaceFileSyncTest, AListReadFromAFileInAnotherFormIsNotTakenForUnsavedWork)
{
    // LF line ends, a line too short to be an entry and a last line end: not the saved form.
    Write("Vemplor.txt", "a\t(^_^)\nx\nb\t(;_;)\n");
    ASSERT_TRUE(ReloadFaceLists(path.c_str(), faces, tags, sync));
    ChangeOutside("a\t(^_^)\ny\nb\t(;_;)\n");
    ASSERT_TRUE(ReloadFaceLists(path.c_str(), faces, tags, sync));
    EXPECT_FALSE(std::filesystem::exists(directory / "Vemplor.unsaved.txt"));

    // Work done since is kept aside in the saved form.
    std::swap(faces[0], faces[1]);
    std::swap(tags[0], tags[1]);
    ChangeOutside("c\t(^o^)\n");
    ASSERT_TRUE(ReloadFaceLists(path.c_str(), faces, tags, sync));
    EXPECT_EQ(Read("Vemplor.unsaved.txt"), "b\t(;_;)\r\na\t(^_^)");
}

TEST_F(FaceFileSyncTest, AFileThatCouldNotBeReadIsNeverWrittenAndLaterWorkGoesToAFreeName)
{
    // A directory in the list's place cannot be read, like a file held open without sharing.
    std::filesystem::create_directory(path);
    faces = {"typed while the list was away"};
    tags = {""};
    EXPECT_FALSE(ReloadFaceLists(path.c_str(), faces, tags, sync));
    EXPECT_EQ(faces, (TextList{"typed while the list was away"}));
    EXPECT_FALSE(MayWriteFaceFile(path.c_str(), sync));

    Write("Vemplor.unsaved.txt", "an earlier session's work");
    EXPECT_EQ(KeepUnsavedWorkAside(path.c_str(), faces, tags, sync).path,
              (directory / "Vemplor.unsaved-2.txt").string());
    EXPECT_EQ(Read("Vemplor.unsaved-2.txt"), "\ttyped while the list was away");
    EXPECT_EQ(Read("Vemplor.unsaved.txt"), "an earlier session's work");
    EXPECT_EQ(KeepUnsavedWorkAside(path.c_str(), faces, tags, sync).path, "");

    // Once the list can be read, it is what the lists hold again.
    std::filesystem::remove(path);
    Write("Vemplor.txt", "\t(^_^)");
    ASSERT_TRUE(ReloadFaceLists(path.c_str(), faces, tags, sync));
    EXPECT_EQ(faces, (TextList{"(^_^)"}));
    EXPECT_FALSE(std::filesystem::exists(directory / "Vemplor.unsaved-3.txt"));
}

TEST_F(FaceFileSyncTest, AUnicodeListIsWrittenBackAndKeptAsideInItsOwnEncoding)
{
    // "a TAB ☢" and "b TAB ☺" in UTF-16LE with its mark, LF line ends.
    Write("Vemplor.txt", Bytes("\xFF\xFE" "a\0\t\0\x22\x26\n\0" "b\0\t\0\x3A\x26"));
    ASSERT_TRUE(ReloadFaceLists(path.c_str(), faces, tags, sync));
    EXPECT_EQ(faces, (TextList{"\xE2\x98\xA2", "\xE2\x98\xBA"}));
    std::swap(faces[0], faces[1]);
    std::swap(tags[0], tags[1]);
    ASSERT_TRUE(StoreFaceLists(path.c_str(), faces, tags, sync));
    EXPECT_EQ(Read("Vemplor.txt"),
              Bytes("\xFF\xFE" "b\0\t\0\x3A\x26\r\0\n\0" "a\0\t\0\x22\x26"));

    std::swap(faces[0], faces[1]);
    ChangeOutside("\xEF\xBB\xBF" "c\t\xE2\x99\xA1");
    ASSERT_TRUE(ReloadFaceLists(path.c_str(), faces, tags, sync));
    EXPECT_EQ(Read("Vemplor.unsaved.txt"),
              Bytes("\xFF\xFE" "b\0\t\0\x22\x26\r\0\n\0" "a\0\t\0\x3A\x26"));
    faces.push_back("(^_^)");
    tags.push_back("");
    ASSERT_TRUE(StoreFaceLists(path.c_str(), faces, tags, sync));
    EXPECT_EQ(Read("Vemplor.txt"), "\xEF\xBB\xBF" "c\t\xE2\x99\xA1\r\n\t(^_^)");
}

// A Shift-JIS list that took a character Shift-JIS has no place for is written as UTF-8 from
// then on; the Shift-JIS file is kept first, and a later switch never writes over that copy.
TEST_F(FaceFileSyncTest, AListLeavingShiftJisKeepsTheOldFileUnderANameOfItsOwn)
{
    const std::string shiftJis = "\x94\x4C\t(=^\x81\x45^=)\r\n\x83";  // 猫 TAB (=^・^=), a lone lead
    Write("Vemplor.txt", shiftJis);
    ASSERT_TRUE(ReloadFaceLists(path.c_str(), faces, tags, sync));
    faces = {"\xE2\x99\xA1", "(=^\xE3\x83\xBB^=)"};
    tags = {"", "\xE7\x8C\xAB"};
    sync.form = {TextEncoding::Utf8WithBom, {}};
    sync.keepShiftJisFile = true;
    ASSERT_TRUE(StoreFaceLists(path.c_str(), faces, tags, sync));
    EXPECT_EQ(Read("Vemplor.sjis.txt"), shiftJis);
    EXPECT_EQ(Read("Vemplor.txt"), "\xEF\xBB\xBF\t\xE2\x99\xA1\r\n\xE7\x8C\xAB\t(=^\xE3\x83\xBB^=)");

    ChangeOutside("new\tlist");
    ASSERT_TRUE(ReloadFaceLists(path.c_str(), faces, tags, sync));
    sync.keepShiftJisFile = true;
    ASSERT_TRUE(StoreFaceLists(path.c_str(), faces, tags, sync));
    EXPECT_EQ(Read("Vemplor.sjis.txt"), shiftJis);
    EXPECT_EQ(Read("Vemplor.sjis-2.txt"), "new\tlist");
}

// Another program's file read again is written in its own encoding, with no copy of it kept
// as though it were the old Shift-JIS list.
TEST_F(FaceFileSyncTest, AReloadEndsASwitchToUtf8NotYetWritten)
{
    Write("Vemplor.txt", "\x94\x4C\t(^_^)");
    ASSERT_TRUE(ReloadFaceLists(path.c_str(), faces, tags, sync));
    sync.form = {TextEncoding::Utf8WithBom, {}};
    sync.keepShiftJisFile = true;
    ChangeOutside("new\tlist\r\n\x8F\xCE\t(^o^)");
    ASSERT_TRUE(ReloadFaceLists(path.c_str(), faces, tags, sync));
    ASSERT_TRUE(StoreFaceLists(path.c_str(), faces, tags, sync));
    EXPECT_FALSE(std::filesystem::exists(directory / "Vemplor.sjis.txt"));
    EXPECT_EQ(Read("Vemplor.txt"), "new\tlist\r\n\x8F\xCE\t(^o^)");
}

// Odd files load and go back to disk losing nothing: only line ends become CR LF.
TEST_F(FaceFileSyncTest, OddUnicodeFilesLoadAndSaveWithoutLosingAByte)
{
    const std::string longLine = "\xEF\xBB\xBFt\t" + std::string(10 << 20, '-') + "\xE3\x81\x82";
    const struct {
        std::string bytes;
        std::size_t entries;
        std::string saved;
    } cases[] = {
        {"\xEF\xBB\xBF", 0, "\xEF\xBB\xBF"},
        {Bytes("\xFF\xFE" "a\0\t\0b\0" "\x41"), 1, Bytes("\xFF\xFE" "a\0\t\0b\0" "\x41")},
        {Bytes("\xFF\xFE" "a\0\0\0\t\0b\0"), 1, Bytes("\xFF\xFE" "a\0\0\0\t\0b\0")},
        {"\xEF\xBB\xBF\xE7\xAC\x91\t\xFF\xFE(", 1, "\xEF\xBB\xBF\xE7\xAC\x91\t\xFF\xFE("},
        {"\xEF\xBB\xBF" "a\tb\nc\td\r\n\te", 3, "\xEF\xBB\xBF" "a\tb\r\nc\td\r\n\te"},
        {Bytes("\xFE\xFF\0a\0\t\0b\0\r\0\n\0\t\0c"), 2, Bytes("\xFE\xFF\0a\0\t\0b\0\r\0\n\0\t\0c")},
        {"\r\n\xEF\xBB\xBFtag\t(^_^)", 1, "\r\n\xEF\xBB\xBFtag\t(^_^)"},  // a mark-like tag
        {Bytes("\xFF\xFE" "a\0\t\0b\0\n\0c\0d\0\r\0\n\0"), 2,
         Bytes("\xFF\xFE" "a\0\t\0b\0\r\0\n\0\t\0c\0d\0")},
        {longLine, 1, longLine},
    };
    for (const auto& example : cases) {
        Write("Vemplor.txt", example.bytes);
        ASSERT_TRUE(ReloadFaceLists(path.c_str(), faces, tags, sync));
        EXPECT_EQ(faces.size(), example.entries) << example.bytes.substr(0, 16);
        ASSERT_TRUE(StoreFaceLists(path.c_str(), faces, tags, sync));
        EXPECT_TRUE(Read("Vemplor.txt") == example.saved) << example.bytes.substr(0, 16);
    }
}

TEST(KeptAsidePath, TheNumberGoesBeforeTheExtensionOfTheFileName)
{
    EXPECT_EQ(KeptAsidePath("./Vemplor.txt", 1), "./Vemplor.unsaved.txt");
    EXPECT_EQ(KeptAsidePath("C:\\a.b\\Vemplor.txt", 12), "C:\\a.b\\Vemplor.unsaved-12.txt");
    EXPECT_EQ(KeptAsidePath("dir.d/list", 1), "dir.d/list.unsaved");
}

#ifdef __GLIBC__
// Files may grow no further than a few bytes, as on a full disk, until the end of the scope.
class FullDisk {
public:
    FullDisk()
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = saved_;
        tiny.rlim_cur = 4;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_ = {};
};

TEST_F(FaceFileSyncTest, WorkThatCannotBeKeptAsideStaysInTheListsUntilItCanBe)
{
    Write("Vemplor.txt", "a\t(^_^)\r\nb\t(;_;)");
    ASSERT_TRUE(ReloadFaceLists(path.c_str(), faces, tags, sync));
    faces.insert(faces.begin(), "(new)");
    tags.insert(tags.begin(), "");
    ChangeOutside("c\t(^o^)\r\nd\t(-_-)");
    {
        FullDisk full;
        EXPECT_FALSE(ReloadFaceLists(path.c_str(), faces, tags, sync));
        EXPECT_FALSE(KeepUnsavedWorkAside(path.c_str(), faces, tags, sync).safe);
    }
    EXPECT_EQ(faces, (TextList{"(new)", "(^_^)", "(;_;)"}));
    EXPECT_FALSE(std::filesystem::exists(directory / "Vemplor.unsaved.txt"));
    EXPECT_FALSE(MayWriteFaceFile(path.c_str(), sync)) << "the next save must try again";

    ASSERT_TRUE(ReloadFaceLists(path.c_str(), faces, tags, sync));
    EXPECT_EQ(Read("Vemplor.unsaved.txt"), "\t(new)\r\na\t(^_^)\r\nb\t(;_;)");
    EXPECT_EQ(faces, (TextList{"(^o^)", "(-_-)"}));
}

// A stream that hands out its bytes in small pieces and then fails, as a disk or a network
// share does half-way through a file.
ssize_t ReadThenFail(void* cookie, char* buffer, size_t size)
{
    std::size_t& left = *static_cast<std::size_t*>(cookie);
    if (left == 0) {
        errno = EIO;
        return -1;
    }
    std::size_t count = std::min(std::min(size, left), std::size_t{4096});
    std::memset(buffer, 'x', count);
    left -= count;
    return static_cast<ssize_t>(count);
}

TEST(ReadWholeStream, AReadErrorHalfWayIsAFailureNotAShorterList)
{
    std::size_t left = 100000;
    cookie_io_functions_t functions = {ReadThenFail, nullptr, nullptr, nullptr};
    std::FILE* stream = fopencookie(&left, "r", functions);
    ASSERT_NE(stream, nullptr);
    std::string contents;
    EXPECT_FALSE(ReadWholeStream(stream, contents));
    EXPECT_EQ(contents.size(), 100000u);
    std::fclose(stream);
}
#endif

} // namespace
