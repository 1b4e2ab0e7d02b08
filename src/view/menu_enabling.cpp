#include "view/menu_enabling.h"

#include "resource.h"

std::array<MenuItemEnabling, 3> DecideContextMenuEnabling(bool clipboardHasText,
                                                          bool cursorOverEditListView)
{
    return {{
        {IDM_ADD_FROM_CLIPBOARD, clipboardHasText},
        {IDM_INSERT_ROW, cursorOverEditListView},
        {IDM_DELETE_ROWS, cursorOverEditListView},
    }};
}
