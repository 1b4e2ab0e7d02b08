#include "store/move_to_top.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <limits>
#include <string>

namespace {

std::string Nth(const char* prefix, int n)
{
    return prefix + std::to_string(n);
}

TextList Numbered(const char* prefix, int count)
{
    TextList list;
    for (int n = 1; n <= count; ++n) {
        list.push_back(Nth(prefix, n));
    }
    return list;
}

TEST(MoveToTop, TheChosenEntryLeadsAndThoseBeforeItMoveDownByOne)
{
    TextList faces = Numbered("face", 10);
    TextList tags = Numbered("tag", 10);

    MoveEntryToTop(faces, tags, 5);

    EXPECT_EQ(faces, (TextList{"face6", "face1", "face2", "face3", "face4", "face5", "face7",
                               "face8", "face9", "face10"}));
    EXPECT_EQ(tags, (TextList{"tag6", "tag1", "tag2", "tag3", "tag4", "tag5", "tag7", "tag8",
                              "tag9", "tag10"}));
}

TEST(MoveToTop, FirstAndLastEntries)
{
    TextList faces = Numbered("face", 4);
    TextList tags = Numbered("tag", 4);

    MoveEntryToTop(faces, tags, 0);
    EXPECT_EQ(faces, Numbered("face", 4));
    EXPECT_EQ(tags, Numbered("tag", 4));

    MoveEntryToTop(faces, tags, 3);
    EXPECT_EQ(faces, (TextList{"face4", "face1", "face2", "face3"}));
    EXPECT_EQ(tags, (TextList{"tag4", "tag1", "tag2", "tag3"}));
}

TEST(MoveToTop, DuplicateTextsKeepTheirOwnTagsAndBytes)
{
    TextList faces = {"(´・ω・`)", "（＾ω＾）", "(´・ω・`)", ""};
    TextList tags = {"しょぼん", "", "がっかり", "空"};

    MoveEntryToTop(faces, tags, 2);
    EXPECT_EQ(faces, (TextList{"(´・ω・`)", "(´・ω・`)", "（＾ω＾）", ""}));
    EXPECT_EQ(tags, (TextList{"がっかり", "しょぼん", "", "空"}));

    MoveEntryToTop(faces, tags, 3);
    EXPECT_EQ(faces, (TextList{"", "(´・ω・`)", "(´・ω・`)", "（＾ω＾）"}));
    EXPECT_EQ(tags, (TextList{"空", "がっかり", "しょぼん", ""}));
}

TEST(MoveToTop, IndexOutsideTheListChangesNothing)
{
    for (std::size_t index : {std::size_t{3}, std::size_t{4}, std::size_t{1000},
                              std::numeric_limits<std::size_t>::max()}) {
        TextList faces = Numbered("face", 3);
        TextList tags = Numbered("tag", 3);
        MoveEntryToTop(faces, tags, index);
        EXPECT_EQ(faces, Numbered("face", 3)) << index;
        EXPECT_EQ(tags, Numbered("tag", 3)) << index;
    }

    TextList noFaces;
    TextList noTags;
    MoveEntryToTop(noFaces, noTags, 0);
    EXPECT_TRUE(noFaces.empty());
    EXPECT_TRUE(noTags.empty());
}

// Lists out of step are a fault elsewhere; the move must survive it without losing an entry.
TEST(MoveToTop, ListsOfUnequalLengthLoseNothing)
{
    const int lengths[][2] = {{4, 2}, {2, 4}, {3, 0}, {0, 3}};
    for (const auto& length : lengths) {
        for (std::size_t index = 0; index < 5; ++index) {
            TextList faces = Numbered("face", length[0]);
            TextList tags = Numbered("tag", length[1]);
            MoveEntryToTop(faces, tags, index);

            std::sort(faces.begin(), faces.end());
            std::sort(tags.begin(), tags.end());
            EXPECT_EQ(faces, Numbered("face", length[0])) << length[0] << " " << index;
            EXPECT_EQ(tags, Numbered("tag", length[1])) << length[1] << " " << index;
        }
    }
}

TEST(MoveToTopFindFace, FindsTheFirstOfEqualTexts)
{
    const TextList faces = {"orz", "(^^)", "m(_ _)m", "(^^)", "(^^)"};
    EXPECT_EQ(FindFirstEqualFace(faces, "(^^)"), 1);
    EXPECT_EQ(FindFirstEqualFace(faces, "orz"), 0);
    EXPECT_EQ(FindFirstEqualFace(faces, "m(_ _)m"), 2);
}

TEST(MoveToTopFindFace, AbsentTextGivesMinusOne)
{
    const TextList faces = {"(^^)", "Orz", "ｵﾜﾀ", "表示"};
    EXPECT_EQ(FindFirstEqualFace(TextList{}, "(^^)"), -1);
    EXPECT_EQ(FindFirstEqualFace(faces, ""), -1);
    // Neither a prefix nor a longer text is equal.
    EXPECT_EQ(FindFirstEqualFace(faces, "(^^"), -1);
    EXPECT_EQ(FindFirstEqualFace(faces, "(^^))"), -1);
    // Case and width count.
    EXPECT_EQ(FindFirstEqualFace(faces, "orz"), -1);
    EXPECT_EQ(FindFirstEqualFace(faces, "オワタ"), -1);
    // "表" ends in the byte of a backslash; its lead byte alone is another text.
    EXPECT_EQ(FindFirstEqualFace(faces, "表"), -1);
    EXPECT_EQ(FindFirstEqualFace(faces, std::string("\x95")), -1);
}

TEST(MoveToTopFindFace, ComparesShiftJisTextByteForByte)
{
    const TextList faces = {"（＾ω＾）", "(*´∀｀)", "ｵﾜﾀ", "オワタ", "表示"};
    EXPECT_EQ(FindFirstEqualFace(faces, "オワタ"), 3);
    EXPECT_EQ(FindFirstEqualFace(faces, "ｵﾜﾀ"), 2);
    EXPECT_EQ(FindFirstEqualFace(faces, "表示"), 4);
    EXPECT_EQ(FindFirstEqualFace(faces, "(*´∀｀)"), 1);
    EXPECT_EQ(std::string("表").size(), 2u) << "literals are Shift-JIS bytes";
}

// The list control shows an entry only up to its first NUL, so that is the text compared.
TEST(MoveToTopFindFace, TextEndsAtItsFirstNul)
{
    const TextList faces = {"(^^)", std::string("(T_T)\0tail", 10), "", "(T_T)"};
    EXPECT_EQ(FindFirstEqualFace(faces, "(T_T)"), 1);
    EXPECT_EQ(FindFirstEqualFace(faces, std::string("(T_T)\0other", 11)), 1);
    EXPECT_EQ(FindFirstEqualFace(faces, std::string("(^^)\0", 5)), 0);
    EXPECT_EQ(FindFirstEqualFace(faces, std::string("\0(^^)", 5)), 2);
    EXPECT_EQ(FindFirstEqualFace(faces, ""), 2);
}

} // namespace
