#pragma once
// Edit mode: the picker becomes a two-column table of every entry (tag, emoticon), edited in
// place. While it lasts the table's rows are the working copy of the list; FaceList and TagList
// catch up when the rows are read back.

// Enters edit mode when the menu item's check mark is off, leaves it when it is on.
void ToggleEditMode();

// Commits an open cell editor, takes the rows back into the lists, refills the picker under the
// current filter and gives the window back its picker layout. Does nothing outside edit mode.
void LeaveEditMode();

// The two halves of leaving, for callers that rework the list in between and refill the picker
// themselves: the first commits an open cell editor, takes the rows back and ends edit mode (a
// no-op outside it) while the window keeps its table; the second lays the picker out again and
// brings it forward.
void TakeBackEditRows();
void ShowPickerLayout();

// Commits an open cell editor and rebuilds FaceList and TagList from the rows; edit mode stays
// on. Does nothing outside edit mode, where the lists are already the latest copy.
void ReadBackEditList();

// Shows FaceList and TagList anew after they changed: the picker under its filter and, in edit
// mode, the rows, made again from them.
void ShowChangedLists();
