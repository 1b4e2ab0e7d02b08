#include "app/context_menu.h"

#include "about/about_box.h"
#include "app/clip_add_dialog.h"
#include "app/dictionary_export.h"
#include "app/dictionary_import.h"
#include "app/edit_mode_switch.h"
#include "app/external_edit.h"
#include "app/list_rework.h"
#include "app/modal_guard.h"
#include "app/options_dialog.h"
#include "app/starter_faces.h"
#include "resource.h"
#include "view/edit_list_view.h"
#include "view/menu_enabling.h"

namespace {

void RunMenuCommand(PickerState& state, UINT command)
{
    HWND pickerWindow = state.view.PickerWindow;
    switch (command) {
    case IDM_ABOUT: ModalGuard(state, state.modes.AboutOpen, IDD_ABOUT, AboutBoxProc, 0); break;
    case IDM_OPTIONS: ShowOptionsDialog(state); break;
    case IDM_ADD_FROM_CLIPBOARD: ShowClipAddDialog(state); break;
    case IDM_ADD_STARTER_FACES: AddStarterFaces(state); break;
    case IDM_IMPORT: RunImportCommand(state); break;
    case IDM_EXPORT: RunExportCommand(state); break;
    case IDM_EDIT_FACE_FILE: EditFaceFileExternally(state); break;
    case IDM_EDIT_FILTER_FILE: EditFilterFileExternally(state.view, state.lists); break;
    case IDM_EDIT_MODE: ToggleEditMode(state); break;
    case IDM_SORT: SortFaceList(state); break;
    case IDM_REMOVE_DUPLICATES: RemoveDuplicateFaces(state); break;
    case IDM_INSERT_ROW: InsertEditRow(state.view, state.lists, state.settings); break;
    case IDM_DELETE_ROWS: DeleteSelectedEditRows(state.view, state.lists, state.settings); break;
    case IDM_EXIT: PostMessageW(pickerWindow, WM_COMMAND, CMD_END_PROGRAM, 0); break;
    }
}

} // namespace

void ShowContextMenu(PickerState& state)
{
    HMENU contextMenu = state.ContextMenu;
    HWND pickerWindow = state.view.PickerWindow;
    if (!state.modes.InteractionAllowed) {
        return;
    }
    state.modes.AutoHideArmed = 0;
    SetForegroundWindow(pickerWindow);
    POINT cursor = {};
    GetCursorPos(&cursor);
    bool clipboardHasText = IsClipboardFormatAvailable(CF_TEXT) != 0;
    bool overEditList = WindowFromPoint(cursor) == state.view.EditListView;
    for (const MenuItemEnabling& item : DecideContextMenuEnabling(clipboardHasText, overEditList)) {
        EnableMenuItem(contextMenu, item.commandId,
                       MF_BYCOMMAND | (item.enabled ? MF_ENABLED : MF_GRAYED));
    }
    UINT command = TrackPopupMenu(GetSubMenu(contextMenu, 0), TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                  cursor.x, cursor.y, 0, pickerWindow, nullptr);
    PostMessageW(pickerWindow, WM_NULL, 0, 0);
    RunMenuCommand(state, command);
}
