#pragma once
// Edit mode's table: the picker becomes a two-column table of every entry (tag, emoticon), edited
// in place. While it lasts the table's rows are the working copy of the list; FaceList and
// TagList catch up when the rows are read back. Whether edit mode is on is the application's to
// say: each call that depends on it is told.
#include "settings/settings_record.h"
#include "store/face_store.h"
#include "view/picker_view.h"

// The rows become a copy of every entry, whatever the filter, and the table shows them.
void FillEditRows(PickerView& view, const FaceLists& lists);

// In edit mode, commits an open cell editor and rebuilds FaceList and TagList from the rows;
// outside it, where the lists are already the latest copy, does nothing.
void ReadBackEditList(PickerView& view, FaceLists& lists, const SettingsRecord& settings,
                      bool editMode);

// Shows FaceList and TagList anew after they changed: the picker under its filter and, in edit
// mode, the rows, made again from them.
void ShowChangedLists(PickerView& view, const FaceLists& lists, const SettingsRecord& settings,
                      bool editMode);
