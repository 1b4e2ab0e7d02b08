#pragma once
// Which items of the context menu are offered at a given showing.
#include <array>

struct MenuItemEnabling {
    unsigned int commandId;
    bool enabled;
};

// The three items whose state is set anew at every showing: "add from clipboard" (40072) is
// offered when the clipboard holds CF_TEXT; "add row" (40078) and "delete rows" (40079) only
// when the menu opens over EditListView itself, not over its in-place editors or elsewhere.
std::array<MenuItemEnabling, 3> DecideContextMenuEnabling(bool clipboardHasText,
                                                          bool cursorOverEditListView);
