#pragma once
#include <windows.h>

#include <string>

#include "store/face_store.h"
#include "view/picker_view.h"

// The text a combo box of the picker shows at index, taken from the list it was filled from
// (FaceCombo: the whole list, or the filtered one while a filter text is set; PopupCombo: the
// whole list; FilterCombo: the prepared filters), cut at a NUL as the control shows it. Empty
// when there is no such item.
//
// Read from the lists rather than back from the control: the ANSI item query of the system's
// combo box passes the text through a fixed buffer on some systems and breaks on long items.
std::string ComboItemText(const PickerView& view, const FaceLists& lists, HWND combo,
                          LRESULT index);
