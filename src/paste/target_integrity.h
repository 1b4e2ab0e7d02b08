#pragma once
#include <windows.h>

#include "paste/integrity_rule.h"

// How a paste into the target window can go, from the integrity levels of the picker's process
// and the target's. Where Windows has no integrity levels (before Vista), or either level cannot
// be read, the two count as the same and the keystroke is sent.
PasteRoute PasteRouteInto(HWND target);
