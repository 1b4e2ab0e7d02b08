#include "view/menu_enabling.h"

#include <gtest/gtest.h>

// Looks an item up by its command id, so the test does not depend on the order of the list.
static bool IsEnabled(const std::array<MenuItemEnabling, 3>& items, unsigned int commandId)
{
    for (const MenuItemEnabling& item : items) {
        if (item.commandId == commandId)
            return item.enabled;
    }
    ADD_FAILURE() << "no state decided for command " << commandId;
    return false;
}

TEST(MenuEnabling, ClipboardTextAloneDecidesAddFromClipboard)
{
    for (bool overList : {false, true}) {
        EXPECT_TRUE(IsEnabled(DecideContextMenuEnabling(true, overList), 40072));
        EXPECT_FALSE(IsEnabled(DecideContextMenuEnabling(false, overList), 40072));
    }
}

TEST(MenuEnabling, RowCommandsOnlyOverTheEditList)
{
    for (bool clipboardText : {false, true}) {
        const std::array<MenuItemEnabling, 3> overList =
            DecideContextMenuEnabling(clipboardText, true);
        EXPECT_TRUE(IsEnabled(overList, 40078));
        EXPECT_TRUE(IsEnabled(overList, 40079));

        const std::array<MenuItemEnabling, 3> elsewhere =
            DecideContextMenuEnabling(clipboardText, false);
        EXPECT_FALSE(IsEnabled(elsewhere, 40078));
        EXPECT_FALSE(IsEnabled(elsewhere, 40079));
    }
}
