#include "app/context_menu.h"

#include "about/about_box.h"
#include "app/clip_add_dialog.h"
#include "app/dictionary_export.h"
#include "app/dictionary_import.h"
#include "app/external_edit.h"
#include "app/modal_guard.h"
#include "app/options_dialog.h"
#include "app/starter_faces.h"
#include "resource.h"
#include "shell/process_state.h"
#include "view/edit_list_view.h"
#include "view/edit_mode.h"
#include "view/list_rework.h"
#include "view/menu_enabling.h"
#include "view/picker_controls.h"

namespace {

void RunMenuCommand(HWND pickerWindow, UINT command)
{
    switch (command) {
    case IDM_ABOUT: ModalGuard(AboutOpen, IDD_ABOUT, AboutBoxProc); break;
    case IDM_OPTIONS: ShowOptionsDialog(); break;
    case IDM_ADD_FROM_CLIPBOARD: ShowClipAddDialog(); break;
    case IDM_ADD_STARTER_FACES: AddStarterFaces(pickerWindow); break;
    case IDM_IMPORT: RunImportCommand(pickerWindow); break;
    case IDM_EXPORT: RunExportCommand(pickerWindow); break;
    case IDM_EDIT_FACE_FILE: EditFaceFileExternally(pickerWindow); break;
    case IDM_EDIT_FILTER_FILE: EditFilterFileExternally(pickerWindow); break;
    case IDM_EDIT_MODE: ToggleEditMode(); break;
    case IDM_SORT: SortFaceList(); break;
    case IDM_REMOVE_DUPLICATES: RemoveDuplicateFaces(); break;
    case IDM_INSERT_ROW: InsertEditRow(); break;
    case IDM_DELETE_ROWS: DeleteSelectedEditRows(); break;
    case IDM_EXIT: PostMessageW(pickerWindow, WM_COMMAND, CMD_END_PROGRAM, 0); break;
    }
}

} // namespace

void ShowContextMenu(HWND pickerWindow)
{
    HMENU menu = GetSubMenu(ContextMenu, 0);
    if (!InteractionAllowed) {
        return;
    }
    AutoHideArmed = 0;
    SetForegroundWindow(pickerWindow);
    POINT cursor = {};
    GetCursorPos(&cursor);

    bool clipboardHasText = IsClipboardFormatAvailable(CF_TEXT) != 0;
    bool overEditList = WindowFromPoint(cursor) == EditListView;
    for (const MenuItemEnabling& item : DecideContextMenuEnabling(clipboardHasText, overEditList)) {
        EnableMenuItem(ContextMenu, item.commandId,
                       MF_BYCOMMAND | (item.enabled ? MF_ENABLED : MF_GRAYED));
    }

    UINT command = TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD, cursor.x, cursor.y, 0,
                                  pickerWindow, nullptr);
    PostMessageW(pickerWindow, WM_NULL, 0, 0);
    RunMenuCommand(pickerWindow, command);
}
