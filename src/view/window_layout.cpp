#include "view/window_layout.h"

#include <commctrl.h>

#include "shell/window_dpi.h"
#include "view/layout_math.h"

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

int ComboHeight(const PickerView& view)
{
    return OuterHeight(view.FaceCombo);
}

void Resize(HWND window, int width, int height)
{
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
}

// Outer height of the picker's combo row plus its caption and frame.
int PickerBarHeight(const PickerView& view)
{
    int dpi = WindowDpi(view.PickerWindow);
    int allowance = CaptionAllowance(MetricForDpi(SM_CYEDGE, dpi), MetricForDpi(SM_CYBORDER, dpi),
                                     MetricForDpi(SM_CYFRAME, dpi),
                                     MetricForDpi(SM_CYSMCAPTION, dpi));
    return PickerOuterHeight(ComboHeight(view), allowance);
}

// The combo row across the client width: the filter box, and the emoticon list after it.
void PlaceCombos(const PickerView& view, int clientWidth, bool filterOn)
{
    int height = ComboHeight(view);
    Resize(view.FilterCombo, FilterComboWidth(clientWidth, filterOn), height);
    FaceComboPlacement face = PlaceFaceCombo(OuterWidth(view.FilterCombo), clientWidth);
    SetWindowPos(view.FaceCombo, nullptr, face.x, 0, face.width, height, SWP_NOZORDER);
}

void SetColumnWidths(const PickerView& view)
{
    EditListColumnWidths widths =
        EditListColumns(OuterWidth(view.FilterCombo), OuterWidth(view.FaceCombo),
                        MetricForDpi(SM_CXVSCROLL, WindowDpi(view.PickerWindow)));
    SendMessageW(view.EditListView, LVM_SETCOLUMNWIDTH, 0, widths.tagColumn);
    SendMessageW(view.EditListView, LVM_SETCOLUMNWIDTH, 1, widths.faceColumn);
}

// The height edit mode gives the window had the bar been where the window's top is now, at the
// font's height now: after a change of DPI, the same distance above the screen's bottom in the
// new DPI's sizes.
int EditModeHeightFromTop(const PickerView& view)
{
    return EditModeOuterHeight(GetSystemMetrics(SM_CYSCREEN),
                               NormalRect(view.PickerWindow).top + PickerBarHeight(view));
}

void SwitchToEditLayout(const PickerView& view)
{
    HWND picker = view.PickerWindow;
    Resize(picker, OuterWidth(picker),
           EditModeOuterHeight(GetSystemMetrics(SM_CYSCREEN), NormalBottom(picker)));
    RECT client = ClientRectOf(picker);
    Resize(view.EditListView, client.right, client.bottom);
    ShowWindow(view.FaceCombo, SW_HIDE);
    ShowWindow(view.FilterCombo, SW_HIDE);
    ShowWindow(view.EditListView, SW_SHOW);
}

void SwitchToBarLayout(const PickerView& view, bool filterOn)
{
    Resize(view.PickerWindow, OuterWidth(view.PickerWindow), PickerBarHeight(view));
    ShowWindow(view.FaceCombo, SW_SHOW);
    if (filterOn) {
        ShowWindow(view.FilterCombo, SW_SHOW);
    }
    ShowWindow(view.EditListView, SW_HIDE);
}

} // namespace

void LayoutWindow(const PickerView& view, int mode, int width, bool editMode, bool filterOn)
{
    HWND picker = view.PickerWindow;
    switch (mode) {
    case LayoutInitial:
        Resize(picker, width, editMode ? EditModeHeightFromTop(view) : PickerBarHeight(view));
        break;
    case LayoutModeSwitch:
        if (editMode) {
            SwitchToEditLayout(view);
        } else {
            SwitchToBarLayout(view, filterOn);
        }
        break;
    case LayoutResize:
        if (editMode) {
            Resize(view.EditListView, width, ClientRectOf(picker).bottom);
        }
        break;
    }
    PlaceCombos(view, mode == LayoutResize ? width : ClientRectOf(picker).right, filterOn);
    SetColumnWidths(view);
}

void FitDropDownToWorkArea(const PickerView& view, HWND combo)
{
    RECT workArea = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    Resize(combo, OuterWidth(combo),
           DropDownHeight(workArea.bottom - workArea.top, NormalBottom(view.PickerWindow),
                          OuterHeight(combo)));
}
