#include "view/face_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Strings = std::vector<std::string>;

struct FilterResult {
    Strings faces;
    Strings tags;
};

static FilterResult Filter(const Strings& faces, const Strings& tags, const char* text)
{
    FilterResult result;
    FilterFaces(faces, tags, text, TextEncoding::ShiftJis, result.faces, result.tags);
    return result;
}

TEST(FaceFilter, MatchesByteWiseWithCaseAndWidthKept)
{
    const Strings faces = {"ABC", "xabcx", "ＡＢＣ", "(´・ω・`)", "abc"};
    const Strings tags = {"", "", "", "", ""};

    const FilterResult lower = Filter(faces, tags, "abc");
    EXPECT_EQ(lower.faces, (Strings{"xabcx", "abc"}));

    const FilterResult fullWidth = Filter(faces, tags, "ＡＢＣ");
    EXPECT_EQ(fullWidth.faces, (Strings{"ＡＢＣ"}));

    const FilterResult upper = Filter(faces, tags, "ABC");
    EXPECT_EQ(upper.faces, (Strings{"ABC"}));

    const FilterResult kana = Filter(faces, tags, "ω");
    EXPECT_EQ(kana.faces, (Strings{"(´・ω・`)"}));
}

TEST(FaceFilter, TagOnlyMatchShowsTheFaceWithItsTag)
{
    const Strings faces = {"(^_^)", "(T_T)", "(-_-)"};
    const Strings tags = {"笑顔", "泣き", "眠い"};

    const FilterResult result = Filter(faces, tags, "泣");
    EXPECT_EQ(result.faces, (Strings{"(T_T)"}));
    EXPECT_EQ(result.tags, (Strings{"泣き"}));
}

TEST(FaceFilter, EntryMatchingInFaceAndTagIsListedOnce)
{
    const Strings faces = {"ねこ(=^・^=)", "いぬ"};
    const Strings tags = {"ねこ", "ねこじゃない"};

    const FilterResult result = Filter(faces, tags, "ねこ");
    EXPECT_EQ(result.faces, (Strings{"ねこ(=^・^=)", "いぬ"}));
    EXPECT_EQ(result.tags, (Strings{"ねこ", "ねこじゃない"}));
}

TEST(FaceFilter, IdenticalEntriesAreKeptInListOrder)
{
    const Strings faces = {"(*´ω`*)", "(^_^)", "(*´ω`*)", "(*´ω`*)"};
    const Strings tags = {"一", "二", "三", "四"};

    const FilterResult result = Filter(faces, tags, "ω");
    EXPECT_EQ(result.faces, (Strings{"(*´ω`*)", "(*´ω`*)", "(*´ω`*)"}));
    EXPECT_EQ(result.tags, (Strings{"一", "三", "四"}));
}

TEST(FaceFilter, AMatchStartsOnlyWhereACharacterStarts)
{
    // In Shift-JIS "ア" is 83 41 and "ソ" is 83 5C: their second bytes are 'A' and '\'.
    const Strings faces = {"ア", "ソ", "イ", "A\\", "ソ\\"};
    const Strings tags = {"", "", "表", "", ""};
    ASSERT_EQ(std::string("ア"), "\x83\x41");

    EXPECT_EQ(Filter(faces, tags, "A").faces, (Strings{"A\\"}));
    const FilterResult backslash = Filter(faces, tags, "\\");
    EXPECT_EQ(backslash.faces, (Strings{"A\\", "ソ\\"}));
    EXPECT_EQ(Filter(faces, tags, "ソ").faces, (Strings{"ソ", "ソ\\"}));

    // UTF-8 "あA" read as Shift-JIS pairs its 'A' with a lead byte; as UTF-8 it is a character.
    std::vector<std::string> shownFaces;
    std::vector<std::string> shownTags;
    FilterFaces({"\xE3\x81\x82" "A"}, {""}, "A", TextEncoding::Utf8, shownFaces, shownTags);
    EXPECT_EQ(shownFaces.size(), 1u);
}

TEST(FaceFilter, NoMatchGivesEmptyListsAndDropsEarlierResults)
{
    const Strings faces = {"(^_^)", "(T_T)"};
    const Strings tags = {"笑", "泣"};
    Strings shownFaces = {"stale"};
    Strings shownTags = {"stale"};

    FilterFaces(faces, tags, "～", TextEncoding::ShiftJis, shownFaces, shownTags);
    EXPECT_TRUE(shownFaces.empty());
    EXPECT_TRUE(shownTags.empty());

    shownFaces = {"stale"};
    shownTags = {"stale"};
    FilterFaces(faces, tags, "T", TextEncoding::ShiftJis, shownFaces, shownTags);
    EXPECT_EQ(shownFaces, (Strings{"(T_T)"}));
    EXPECT_EQ(shownTags, (Strings{"泣"}));
}

TEST(FaceFilter, EmptyOrNullFilterTakesEveryEntry)
{
    const Strings faces = {"(^_^)", "", "(T_T)"};
    const Strings tags = {"笑", "空", ""};

    const FilterResult empty = Filter(faces, tags, "");
    EXPECT_EQ(empty.faces, faces);
    EXPECT_EQ(empty.tags, tags);

    const FilterResult null = Filter(faces, tags, nullptr);
    EXPECT_EQ(null.faces, faces);
    EXPECT_EQ(null.tags, tags);
}

TEST(FaceFilter, SearchedTextEndsAtEmbeddedNul)
{
    const std::string faceWithNul("ab\0cd", 5);
    const std::string tagWithNul("x\0cd", 4);
    const Strings faces = {faceWithNul, "cd"};
    const Strings tags = {tagWithNul, ""};

    const FilterResult hidden = Filter(faces, tags, "cd");
    EXPECT_EQ(hidden.faces, (Strings{"cd"}));

    const FilterResult visible = Filter(faces, tags, "ab");
    ASSERT_EQ(visible.faces.size(), 1u);
    EXPECT_EQ(visible.faces[0], faceWithNul);
    EXPECT_EQ(visible.tags[0], tagWithNul);
}

TEST(FaceFilter, FacesBeyondTheTagListAreSearchedWithoutATag)
{
    const Strings faces = {"(^_^)", "(T_T)", "(T^T)"};
    const Strings tags = {"T"};

    const FilterResult result = Filter(faces, tags, "T");
    EXPECT_EQ(result.faces, faces);
    EXPECT_EQ(result.tags, (Strings{"T", "", ""}));
}
