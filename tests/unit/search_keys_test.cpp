// The folded search keys, handed the lists they were made from: they follow the lists through a
// move to the top and are made again after a counted change.
#include <gtest/gtest.h>

#include "store/move_to_top.h"
#include "view/search_keys.h"

namespace {

TextList Found(SearchKeys& keys, const FaceLists& lists, const wchar_t* filter)
{
    TextList faces;
    TextList tags;
    EXPECT_FALSE(FilterByReading(keys, lists, filter, faces, tags)) << "found every entry";
    return faces;
}

TEST(SearchKeys, FollowTheListsThroughAMoveToTheTopAndACountedChange)
{
    FaceLists lists;
    lists.faceFile.form.encoding = TextEncoding::Utf8WithBom;
    lists.FaceList = {"(=^.^=)", "(^o^)", "(-_-)zzz"};
    lists.TagList = {u8"ねこ", u8"わらい", u8"ねむい"};
    NoteFaceListsChanged(lists);
    SearchKeys keys;

    // Folded while idle, a part at a time, until nothing is left to fold.
    while (ContinueSearchKeys(keys, lists)) {
    }
    EXPECT_EQ(Found(keys, lists, L"ne"), (TextList{"(=^.^=)", "(-_-)zzz"}));

    MoveEntryToTop(lists.FaceList, lists.TagList, 2);
    MoveSearchKeyToTop(keys, lists, 2);
    EXPECT_EQ(Found(keys, lists, L"ne"), (TextList{"(-_-)zzz", "(=^.^=)"}));
    EXPECT_EQ(Found(keys, lists, L"warai"), (TextList{"(^o^)"}));

    lists.TagList[1] = u8"いぬ";
    NoteFaceListsChanged(lists);
    EXPECT_EQ(Found(keys, lists, L"ne"), (TextList{"(-_-)zzz"}));
    EXPECT_EQ(Found(keys, lists, L"inu"), (TextList{"(=^.^=)"}));
}

} // namespace
