#include "view/window_layout.h"

#include <commctrl.h>

#include "settings/settings_record.h"
#include "shell/process_state.h"
#include "shell/window_dpi.h"
#include "view/layout_math.h"
#include "view/picker_controls.h"

namespace {

// Every measurement is taken fresh; a failed query reads as 0.
RECT OuterRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

int OuterWidth(HWND window)
{
    RECT rect = OuterRect(window);
    return rect.right - rect.left;
}

int OuterHeight(HWND window)
{
    RECT rect = OuterRect(window);
    return rect.bottom - rect.top;
}

RECT ClientRectOf(HWND window)
{
    RECT rect = {};
    GetClientRect(window, &rect);
    return rect;
}

RECT NormalRect(HWND window)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    return placement.rcNormalPosition;
}

int NormalBottom(HWND window)
{
    return NormalRect(window).bottom;
}

int ComboHeight()
{
    return OuterHeight(FaceCombo);
}

void Resize(HWND window, int width, int height)
{
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
}

// Outer height of the picker's combo row plus its caption and frame.
int PickerBarHeight()
{
    int dpi = WindowDpi(PickerWindow);
    int allowance = CaptionAllowance(MetricForDpi(SM_CYEDGE, dpi), MetricForDpi(SM_CYBORDER, dpi),
                                     MetricForDpi(SM_CYFRAME, dpi),
                                     MetricForDpi(SM_CYSMCAPTION, dpi));
    return PickerOuterHeight(ComboHeight(), allowance);
}

// The combo row across the client width: the filter box, and the emoticon list after it.
void PlaceCombos(int clientWidth)
{
    Resize(FilterCombo, FilterComboWidth(clientWidth, Settings.Filter != 0), ComboHeight());
    FaceComboPlacement face = PlaceFaceCombo(OuterWidth(FilterCombo), clientWidth);
    SetWindowPos(FaceCombo, nullptr, face.x, 0, face.width, ComboHeight(), SWP_NOZORDER);
}

void SetColumnWidths()
{
    EditListColumnWidths widths = EditListColumns(OuterWidth(FilterCombo), OuterWidth(FaceCombo),
                                                  MetricForDpi(SM_CXVSCROLL,
                                                               WindowDpi(PickerWindow)));
    SendMessageW(EditListView, LVM_SETCOLUMNWIDTH, 0, widths.tagColumn);
    SendMessageW(EditListView, LVM_SETCOLUMNWIDTH, 1, widths.faceColumn);
}

// The height edit mode gives the window had the bar been where the window's top is now, at the
// font's height now: after a change of DPI, the same distance above the screen's bottom in the
// new DPI's sizes.
int EditModeHeightFromTop()
{
    return EditModeOuterHeight(GetSystemMetrics(SM_CYSCREEN),
                               NormalRect(PickerWindow).top + PickerBarHeight());
}

void SwitchToEditLayout()
{
    Resize(PickerWindow, OuterWidth(PickerWindow),
           EditModeOuterHeight(GetSystemMetrics(SM_CYSCREEN), NormalBottom(PickerWindow)));
    RECT client = ClientRectOf(PickerWindow);
    Resize(EditListView, client.right, client.bottom);
    ShowWindow(FaceCombo, SW_HIDE);
    ShowWindow(FilterCombo, SW_HIDE);
    ShowWindow(EditListView, SW_SHOW);
}

void SwitchToBarLayout()
{
    Resize(PickerWindow, OuterWidth(PickerWindow), PickerBarHeight());
    ShowWindow(FaceCombo, SW_SHOW);
    if (Settings.Filter) {
        ShowWindow(FilterCombo, SW_SHOW);
    }
    ShowWindow(EditListView, SW_HIDE);
}

} // namespace

void LayoutWindow(int mode, int width)
{
    switch (mode) {
    case LayoutInitial:
        Resize(PickerWindow, width, EditMode ? EditModeHeightFromTop() : PickerBarHeight());
        break;
    case LayoutModeSwitch:
        if (EditMode) {
            SwitchToEditLayout();
        } else {
            SwitchToBarLayout();
        }
        break;
    case LayoutResize:
        if (EditMode) {
            Resize(EditListView, width, ClientRectOf(PickerWindow).bottom);
        }
        break;
    }
    PlaceCombos(mode == LayoutResize ? width : ClientRectOf(PickerWindow).right);
    SetColumnWidths();
}

void FitDropDownToWorkArea(HWND combo)
{
    RECT workArea = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    Resize(combo, OuterWidth(combo),
           DropDownHeight(workArea.bottom - workArea.top, NormalBottom(PickerWindow),
                          OuterHeight(combo)));
}
