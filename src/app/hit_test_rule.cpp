#include "app/hit_test_rule.h"

namespace {
// Hit-test codes as the window manager numbers them.
const int HitNowhere = 0;
const int HitTop = 12;
const int HitBottomRight = 17;
const int HitBorder = 18;
} // namespace

int MapPickerHitTest(int defaultHitTest)
{
    if (defaultHitTest == HitNowhere) {
        return HitNowhere;
    }
    if (defaultHitTest >= HitTop && defaultHitTest <= HitBottomRight) {
        return HitBorder;
    }
    return defaultHitTest;
}
