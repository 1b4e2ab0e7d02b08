// Sorting and the duplicate check of the whole list, and adding and deleting rows of edit mode.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "store/face_order.h"
#include "view/edit_rows.h"

namespace {

using Entry = std::pair<std::string, std::string>; // tag, face
using Entries = std::vector<Entry>;

void Split(const Entries& entries, TextList& faces, TextList& tags)
{
    faces.clear();
    tags.clear();
    for (const Entry& entry : entries) {
        tags.push_back(entry.first);
        faces.push_back(entry.second);
    }
}

Entries Joined(const TextList& faces, const TextList& tags)
{
    EXPECT_EQ(faces.size(), tags.size());
    Entries entries;
    for (std::size_t i = 0; i < faces.size() && i < tags.size(); ++i) {
        entries.emplace_back(tags[i], faces[i]);
    }
    return entries;
}

Entries Sorted(const Entries& entries)
{
    TextList faces, tags;
    Split(entries, faces, tags);
    SortEntries(faces, tags);
    return Joined(faces, tags);
}

Entries WithoutDuplicates(const Entries& entries)
{
    TextList faces, tags;
    Split(entries, faces, tags);
    RemoveDuplicateEntries(faces, tags);
    return Joined(faces, tags);
}

TEST(SortEntries, OrdersByTagThenFaceInPlainByteOrder)
{
    Entries sorted = Sorted({{"b", "x"}, {"", "z"}, {"a", "y"}, {"ab", "w"}, {"a", "v"}});
    EXPECT_EQ(sorted, (Entries{{"", "z"}, {"a", "v"}, {"a", "y"}, {"ab", "w"}, {"b", "x"}}));
    EXPECT_EQ(Sorted(sorted), sorted) << "sorting a sorted list changes nothing";

    // Upper case before lower, ASCII before double-byte, bytes compared unsigned; full and
    // half width stay apart.
    EXPECT_EQ(Sorted({{"", "\x82\xA0"}, {"", "a"}, {"", "\xB1"}, {"", "A"}, {"", "\x7F"}}),
              (Entries{{"", "A"}, {"", "a"}, {"", "\x7F"}, {"", "\x82\xA0"}, {"", "\xB1"}}));
}

TEST(SortEntries, EmptyEntriesComeFirstAndATabInATagMovesItsRestIntoTheFace)
{
    EXPECT_EQ(Sorted({{"b", "x"}, {"", ""}, {"", ""}}),
              (Entries{{"", ""}, {"", ""}, {"b", "x"}}));
    EXPECT_EQ(Sorted({{"a\tb", "c"}}), (Entries{{"a", "b\tc"}}));
    EXPECT_EQ(Sorted({}), Entries{});
}

TEST(RemoveDuplicateEntries, KeepsTheFirstOfEachLineInOrder)
{
    EXPECT_EQ(WithoutDuplicates({{"a", "x"}, {"b", "y"}, {"a", "x"}, {"b", "y"}, {"a", "x"}}),
              (Entries{{"a", "x"}, {"b", "y"}}));
    EXPECT_EQ(WithoutDuplicates({{"b", "y"}, {"a", "x"}, {"b", "y"}}),
              (Entries{{"b", "y"}, {"a", "x"}}))
        << "a repeat at the end, one entry after its first";
    EXPECT_EQ(WithoutDuplicates({{"", ""}, {"", ""}}), (Entries{{"", ""}}));
}

TEST(RemoveDuplicateEntries, OnlyEqualTagAndFaceBytesMakeADuplicate)
{
    const Entries distinct = {{"a", "x"}, {"b", "x"}, {"A", "x"}, {"a", "X"}, {"a", "\x82\x98"}};
    EXPECT_EQ(WithoutDuplicates(distinct), distinct);
    EXPECT_EQ(WithoutDuplicates({}), Entries{});
    EXPECT_EQ(WithoutDuplicates({{"t", "f"}}), (Entries{{"t", "f"}}));
    // Both are the line "a TAB b TAB c", so the second goes and the first is split at its TAB.
    EXPECT_EQ(WithoutDuplicates({{"a\tb", "c"}, {"a", "b\tc"}}), (Entries{{"a", "b\tc"}}));
}

TEST(EditRows, BlankRowsGoBeforeTheGivenRowOrAtTheEndAndSelectedRowsAreDeleted)
{
    TextList faces = {"A", "B", "C", "D"};
    TextList tags = {"a", "b", "c", "d"};
    InsertBlankEntry(faces, tags, 2);
    InsertBlankEntry(faces, tags, 99);
    EXPECT_EQ(Joined(faces, tags),
              (Entries{{"a", "A"}, {"b", "B"}, {"", ""}, {"c", "C"}, {"d", "D"}, {"", ""}}));

    DeleteEntries(faces, tags, {0, 3, 5});
    EXPECT_EQ(Joined(faces, tags), (Entries{{"b", "B"}, {"", ""}, {"d", "D"}}));
    DeleteEntries(faces, tags, {});
    EXPECT_EQ(faces.size(), 3u);
    DeleteEntries(faces, tags, {0, 1, 2});
    EXPECT_TRUE(faces.empty());
    EXPECT_TRUE(tags.empty());
}

} // namespace
