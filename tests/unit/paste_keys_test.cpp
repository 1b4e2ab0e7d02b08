#include "paste/paste_keys.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

namespace {

// (virtual key, keybd_event flags) pairs, so a mismatch prints readably.
using Events = std::vector<std::pair<int, unsigned int>>;

const int Shift = 0x10;
const int Control = 0x11;
const int Alt = 0x12;
const int Insert = 0x2D;
const int V = 0x56;
const int F9 = 0x78;
const unsigned int Down = 0;
const unsigned int Up = 2;
const unsigned int ExtendedDown = 1;
const unsigned int ExtendedUp = 3;

const Events CtrlV = {{Control, Down}, {V, Down}, {V, Up}, {Control, Up}};

Events EventsOf(int pasteKey)
{
    Events events;
    for (const PasteKeyEvent& event : PasteKeyEvents(pasteKey)) {
        events.push_back({event.virtualKey, event.flags});
    }
    return events;
}

TEST(PasteKeys, EachChoiceSendsItsKeyEventsInOrder)
{
    EXPECT_EQ(EventsOf(0), CtrlV);
    EXPECT_EQ(EventsOf(1),
              (Events{{Shift, Down}, {Insert, ExtendedDown}, {Insert, ExtendedUp}, {Shift, Up}}));
    EXPECT_EQ(EventsOf(2), (Events{{F9, Down}, {F9, Up}}));
    EXPECT_EQ(EventsOf(3), (Events{{Shift, Down}, {F9, Down}, {F9, Up}, {Shift, Up}}));
    EXPECT_EQ(EventsOf(4), (Events{{Shift, Down},
                                   {Alt, Down},
                                   {Insert, ExtendedDown},
                                   {Insert, ExtendedUp},
                                   {Alt, Up},
                                   {Shift, Up}}));
    EXPECT_EQ(EventsOf(5), (Events{{Alt, Down}, {V, Down}, {V, Up}, {Alt, Up}}));
}

TEST(PasteKeys, UnknownChoicesPasteWithCtrlV)
{
    for (int pasteKey : {-1, 6, 7, 9, 100, INT_MIN, INT_MAX}) {
        EXPECT_EQ(EventsOf(pasteKey), CtrlV) << pasteKey;
    }
}

// Every key pressed is released exactly once, the last pressed first, so no modifier is left
// held down in the target window; only Insert carries the extended flag.
TEST(PasteKeys, KeysAreReleasedInReverseOrderOfPressing)
{
    for (int pasteKey = -1; pasteKey <= 6; ++pasteKey) {
        std::vector<int> held;
        for (const PasteKeyEvent& event : PasteKeyEvents(pasteKey)) {
            unsigned int extended = event.virtualKey == Insert ? 1u : 0u;
            EXPECT_EQ(event.flags & 1u, extended) << pasteKey << " key " << int(event.virtualKey);
            EXPECT_EQ(event.flags & ~3u, 0u) << pasteKey;
            if ((event.flags & Up) == 0) {
                held.push_back(event.virtualKey);
                continue;
            }
            ASSERT_FALSE(held.empty()) << pasteKey << " releases a key it never pressed";
            EXPECT_EQ(held.back(), event.virtualKey) << pasteKey;
            held.pop_back();
        }
        EXPECT_TRUE(held.empty()) << pasteKey << " leaves keys held down";
    }
}

} // namespace
