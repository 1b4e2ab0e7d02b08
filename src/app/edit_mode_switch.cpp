#include "app/edit_mode_switch.h"

#include "app/apply_settings.h"
#include "resource.h"
#include "view/edit_list_view.h"
#include "view/edit_mode.h"
#include "view/picker_fill.h"
#include "view/window_layout.h"

namespace {

void MarkEditMode(PickerState& state, int on)
{
    state.modes.EditMode = on;
    CheckMenuItem(state.ContextMenu, IDM_EDIT_MODE,
                  MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

// The list must not vanish under the user while it is being edited.
void EnterEditMode(PickerState& state)
{
    state.modes.AutoHideArmed = 0;
    MarkEditMode(state, 1);
    FillEditRows(state.view, state.lists);
    LayoutPicker(state, LayoutModeSwitch, 0);
    SetForegroundWindow(state.view.EditListView);
    SetFocus(state.view.EditListView);
}

} // namespace

void ToggleEditMode(PickerState& state)
{
    if (state.modes.EditMode) {
        LeaveEditMode(state);
    } else {
        EnterEditMode(state);
    }
}

void TakeBackEditRows(PickerState& state)
{
    if (!state.modes.EditMode) {
        return;
    }
    if (state.settings.AutoHide) {
        state.modes.AutoHideArmed = 1;
    }
    ReadBackEditList(state.view, state.lists, state.settings, true);
    MarkEditMode(state, 0);
    TextList().swap(state.view.EditRowFaces);
    TextList().swap(state.view.EditRowTags);
    ShowEditRows(state.view);
}

void ShowPickerLayout(const PickerState& state)
{
    LayoutPicker(state, LayoutModeSwitch, 0);
    SetForegroundWindow(state.view.PickerWindow);
}

// The picker is refilled before it is shown again, so it never shows the old list.
void LeaveEditMode(PickerState& state)
{
    if (!state.modes.EditMode) {
        return;
    }
    TakeBackEditRows(state);
    RefreshPicker(state.view, state.lists, state.settings.ReadingSearch != 0);
    ShowPickerLayout(state);
}
