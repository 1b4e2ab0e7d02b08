#include "paste/integrity_rule.h"

#include <gtest/gtest.h>

namespace {

const IntegrityLevel Untrusted = 0x0000, Low = 0x1000, Medium = 0x2000, MediumPlus = 0x2100,
                     High = 0x3000, System = 0x4000;

struct Case {
    IntegrityLevel picker;
    IntegrityLevel target;
    PasteRoute route;
};

TEST(PasteRoute, OnlyATargetAboveThePickerIsLeftToPasteByHand)
{
    const Case cases[] = {
        {Medium, Medium, PasteRoute::Keystroke},     // the usual desktop, or no levels at all
        {Medium, Low, PasteRoute::Keystroke},        // a sandboxed browser tab
        {Medium, Untrusted, PasteRoute::Keystroke},
        {High, Medium, PasteRoute::Keystroke},       // the picker itself run as administrator
        {High, High, PasteRoute::Keystroke},
        {Medium, High, PasteRoute::ClipboardOnly},   // a program run as administrator
        {Medium, MediumPlus, PasteRoute::ClipboardOnly},
        {Low, Medium, PasteRoute::ClipboardOnly},
        {High, System, PasteRoute::ClipboardOnly},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecidePasteRoute(c.picker, c.target), c.route)
            << std::hex << c.picker << " -> " << c.target;
    }
}

} // namespace
