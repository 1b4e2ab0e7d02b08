#include <gtest/gtest.h>

#include "store/face_adding.h"

TEST(FaceAdding, MissingFacesGoToTheEndInTheirOrderAndFacesTheListHoldsAreSkipped)
{
    const struct {
        const char* what;
        TextList faces, tags, newFaces, newTags, facesAfter, tagsAfter;
        std::size_t added;
    } cases[] = {
        {"an empty list takes every entry", {}, {}, {"(^_^)", "(;_;)"}, {"えがお", "なみだ"},
         {"(^_^)", "(;_;)"}, {"えがお", "なみだ"}, 2},
        {"the list's order stays and held faces keep their own tags",
         {"(;_;)", "mine", "(^_^)"}, {"", "わたし", "にこ"},
         {"(^_^)", "(=^・^=)", "(;_;)", "U^ェ^U"}, {"えがお", "ねこ", "なみだ", "いぬ"},
         {"(;_;)", "mine", "(^_^)", "(=^・^=)", "U^ェ^U"}, {"", "わたし", "にこ", "ねこ", "いぬ"}, 2},
        {"a face the entries repeat comes once, with its first tag", {"a"}, {""},
         {"(^o^)", "(^o^)", "a"}, {"にこ", "わーい", "x"}, {"a", "(^o^)"}, {"", "にこ"}, 1},
        {"only the same bytes are the same face", {"(^o^)", "\x83\x41"}, {"", ""},
         {"(^O^)", "(^o^) ", "\x83\x41", "\xB1"}, {"", "", "", ""},
         {"(^o^)", "\x83\x41", "(^O^)", "(^o^) ", "\xB1"}, {"", "", "", "", ""}, 3},
        {"nothing new adds nothing", {"(^_^)"}, {"えがお"}, {"(^_^)"}, {"にこ"}, {"(^_^)"},
         {"えがお"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TextList faces = c.faces;
        TextList tags = c.tags;
        EXPECT_EQ(AppendMissingFaces(faces, tags, c.newFaces, c.newTags), c.added);
        EXPECT_EQ(faces, c.facesAfter);
        EXPECT_EQ(tags, c.tagsAfter);
    }
}
