// Sorting and the duplicate check of the whole list, and adding and deleting rows of edit mode.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "store/face_order.h"
#include "view/edit_rows.h"

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>; // tag, face

// Runs a list operation on the entries split into the program's two parallel lists.
template <typename Operation>
Entries Applied(Entries entries, Operation operation)
{
    TextList faces, tags;
    for (const auto& entry : entries) {
        tags.push_back(entry.first);
        faces.push_back(entry.second);
    }
    operation(faces, tags);
    EXPECT_EQ(faces.size(), tags.size());
    entries.clear();
    for (std::size_t i = 0; i < faces.size() && i < tags.size(); ++i) {
        entries.emplace_back(tags[i], faces[i]);
    }
    return entries;
}

TEST(SortEntries, OrdersByTagThenFaceInPlainByteOrder)
{
    Entries sorted =
        Applied({{"b", "x"}, {"", "z"}, {"a", "y"}, {"ab", "w"}, {"a", "v"}}, SortEntries);
    EXPECT_EQ(sorted, (Entries{{"", "z"}, {"a", "v"}, {"a", "y"}, {"ab", "w"}, {"b", "x"}}));
    EXPECT_EQ(Applied(sorted, SortEntries), sorted) << "sorting a sorted list changes nothing";
    // Upper case before lower, ASCII before double-byte, bytes compared unsigned, full and half
    // width apart; empty entries first.
    EXPECT_EQ(
        Applied({{"", "\x82\xA0"}, {"", "a"}, {"", "\xB1"}, {"", "A"}, {"", "\x7F"}, {"", ""}},
                SortEntries),
        (Entries{{"", ""}, {"", "A"}, {"", "a"}, {"", "\x7F"}, {"", "\x82\xA0"}, {"", "\xB1"}}));
    EXPECT_EQ(Applied({{"a\tb", "c"}}, SortEntries), (Entries{{"a", "b\tc"}}))
        << "a TAB in a tag splits the line there";
    EXPECT_EQ(Applied({}, SortEntries), Entries{});
}

TEST(RemoveDuplicateEntries, KeepsTheFirstOfEachEqualTagAndFaceInOrder)
{
    EXPECT_EQ(Applied({{"a", "x"}, {"b", "y"}, {"a", "x"}, {"b", "y"}, {"a", "x"}},
                      RemoveDuplicateEntries),
              (Entries{{"a", "x"}, {"b", "y"}}));
    EXPECT_EQ(Applied({{"b", "y"}, {"a", "x"}, {"b", "y"}}, RemoveDuplicateEntries),
              (Entries{{"b", "y"}, {"a", "x"}}));
    EXPECT_EQ(Applied({{"", ""}, {"", ""}}, RemoveDuplicateEntries), (Entries{{"", ""}}));
    const Entries distinct = {{"a", "x"}, {"b", "x"}, {"A", "x"}, {"a", "X"}, {"a", "\x82\x98"}};
    EXPECT_EQ(Applied(distinct, RemoveDuplicateEntries), distinct);
    EXPECT_EQ(Applied({}, RemoveDuplicateEntries), Entries{});
    // Both are the line "a TAB b TAB c": the second goes, the first is split at its TAB.
    EXPECT_EQ(Applied({{"a\tb", "c"}, {"a", "b\tc"}}, RemoveDuplicateEntries),
              (Entries{{"a", "b\tc"}}));
}

TEST(EditRows, BlankRowsGoBeforeTheGivenRowOrAtTheEndAndListedRowsAreDeleted)
{
    Entries entries =
        Applied({{"a", "A"}, {"b", "B"}, {"c", "C"}, {"d", "D"}}, [](TextList& f, TextList& t) {
            InsertBlankEntry(f, t, 2);
            InsertBlankEntry(f, t, 99);
        });
    EXPECT_EQ(entries,
              (Entries{{"a", "A"}, {"b", "B"}, {"", ""}, {"c", "C"}, {"d", "D"}, {"", ""}}));
    auto deleteRows = [](std::vector<std::size_t> rows) {
        return [rows](TextList& f, TextList& t) { DeleteEntries(f, t, rows); };
    };
    EXPECT_EQ(Applied(entries, deleteRows({0, 3, 5})), (Entries{{"b", "B"}, {"", ""}, {"d", "D"}}));
    EXPECT_EQ(Applied(entries, deleteRows({})), entries);
    EXPECT_EQ(Applied(entries, deleteRows({0, 1, 2, 3, 4, 5})), Entries{});
}

} // namespace
