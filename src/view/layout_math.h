#pragma once
// The sizes of PickerWindow, its combo boxes and the edit list's columns, computed from
// measurements taken from the system (rectangles, metrics, the combo box height).
#include <cstdint>

// The pixel sizes written into the program are those at 96 DPI (100 %). At another DPI each is
// scaled as MulDiv does, rounding halves away from zero; a DPI the system failed to give
// (0 or less) leaves the size as it is.
int ScaleFrom96Dpi(int pixelsAt96, int dpi);

// Width of FilterCombo: the left third of the client area (remainder dropped), or nothing
// when the filter box is switched off.
int FilterComboWidth(int clientWidth, bool filterOn);

struct FaceComboPlacement {
    int x;
    int width;
};

// FaceCombo starts where FilterCombo ends and takes the rest of the row.
FaceComboPlacement PlaceFaceCombo(int filterComboOuterWidth, int clientWidth);

// SM_CYEDGE + SM_CYBORDER + SM_CYFRAME + SM_CYSMCAPTION: what the caption and frame add to
// the height of the combo row.
int CaptionAllowance(int cyEdge, int cyBorder, int cyFrame, int cySmCaption);

// Outer height of PickerWindow outside edit mode: one combo row under the caption.
int PickerOuterHeight(int comboHeight, int captionAllowance);

// Outer height on entering edit mode: the screen height less the window's old bottom edge,
// the top edge staying where it is.
int EditModeOuterHeight(int screenHeight, int normalBottom);

// Height of an opened combo box (its field plus its list) so that the list reaches from the
// bottom of PickerWindow to the height of the work area.
int DropDownHeight(int workAreaHeight, int normalBottom, int comboOuterHeight);

// Column widths of EditListView as LVM_SETCOLUMNWIDTH takes them: the low 16 bits of each.
struct EditListColumnWidths {
    std::uint16_t tagColumn;
    std::uint16_t faceColumn;
};

// The tag column is as wide as FilterCombo, the emoticon column as FaceCombo less a vertical
// scroll bar.
EditListColumnWidths EditListColumns(int filterComboOuterWidth, int faceComboOuterWidth,
                                     int verticalScrollBarWidth);

// The faintest opacity the options dialog offers.
const unsigned int MinimumOpacity = 10;

// Opacity handed to SetLayeredWindowAttributes: the low byte of Alpha, but never fainter than
// MinimumOpacity, while Transparent is on; fully opaque (255) otherwise.
unsigned char TransparencyAlpha(bool transparentOn, int alphaSetting);
