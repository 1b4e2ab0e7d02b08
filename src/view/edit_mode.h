#pragma once
// Edit mode: the picker becomes a two-column table of every entry (tag, emoticon), edited in
// place. While it lasts the table's rows are the working copy of the list; FaceList and TagList
// catch up when the rows are read back.

// Enters edit mode when the menu item's check mark is off, leaves it when it is on.
void ToggleEditMode();

// Commits an open cell editor, takes the rows back into the lists, refills the picker under the
// current filter and gives the window back its picker layout. Does nothing outside edit mode.
void LeaveEditMode();

// Leaves edit mode like LeaveEditMode but leaves the refilling of the picker and the title to the
// caller, which is about to rework the list anyway.
void LeaveEditModeWithoutRefresh();

// Commits an open cell editor and rebuilds FaceList and TagList from the rows; edit mode stays
// on. Does nothing outside edit mode, where the lists are already the latest copy.
void ReadBackEditList();

// Rebuilds the rows from FaceList and TagList, all of them whatever the filter.
void FillEditListView();
