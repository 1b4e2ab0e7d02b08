#pragma once
// Every key of section "Option" that start-up reads or the options dialog edits, once: its
// default, how start-up reads it, how the options dialog reads it, the control that shows it
// and the field of the Settings record that holds it. The two reading rules differ for some
// flags on purpose: TopMost=2 is on at start-up (any non-zero value) but shows unticked in the
// dialog (ticked for 1 only). The rows stand in the order OK writes the keys.
#include "settings/settings_record.h"

enum class ReadRule {
    Number,      // the integer rule of ParseSettingInt
    OnIfNonZero, // a flag, 1 for any non-zero integer
    OnIfOne,     // a flag, 1 for 1 only
    Text,        // the stored text itself: the font's face name
    Unread,      // read where it is used (Close)
};

// How the options dialog shows a key and takes it back at OK.
enum class OptionControl {
    CheckBox,
    DelayBox, // the stored text as it is, stepped by its arrows in 100 ms
    PasteKeyList,
    FontFaceList,
    FontStyleList,
    FontSizeList,
    AlphaSlider,
    HotKeyBox,
    ConversionRadios, // the first of the three radio buttons
};

struct SettingKey {
    const char* key;
    const char* defaultText;
    ReadRule startUp;
    ReadRule dialog;
    OptionControl control;
    int controlId;
    // Null for a key the record does not hold as a number: Close, and FontName (its text).
    int SettingsRecord::*field;
};

extern const SettingKey SettingKeys[25];

// The value of a stored text by a number or flag rule.
int SettingValueBy(ReadRule rule, const char* text);
