#pragma once
// EditListView in edit mode: an owner-data list whose rows are the working copy in the view
// record, so every entry keeps its exact bytes however long it is, and the in-place editors
// TagEdit and FaceEdit laid over a row's two cells.
#include <windows.h>
#include <commctrl.h>

#include "settings/settings_record.h"
#include "store/face_store.h"
#include "view/picker_view.h"

// Puts a procedure in front of the list view's own that tells the picker window when the editors
// lose the focus (WM_ROW_EDITOR_LEFT), and when a scroll or resize is about to move the rows
// under them (WM_CLOSE_ROW_EDITORS).
void SubclassEditListView(const PickerView& view);

// Makes the list view show the working copy afresh: row count, no selection, editors closed
// without committing.
void ShowEditRows(PickerView& view);
// Writes what the open editors hold into their row; the editors stay open.
void CommitRowEditors(PickerView& view, FaceLists& lists, const SettingsRecord& settings);
// Writes what the open editors hold into their row and closes them; nothing when none is open.
void CommitAndCloseRowEditors(PickerView& view, FaceLists& lists, const SettingsRecord& settings);

// The list view's notifications, routed from the picker's WM_NOTIFY.
void OpenRowEditors(PickerView& view, const FaceLists& lists, const NMITEMACTIVATE& activation);
void AnswerEditRowText(const PickerView& view, const FaceLists& lists, NMLVDISPINFOW& request);
int FindEditRow(const PickerView& view, const FaceLists& lists, const NMLVFINDITEMW& request);

// Menu commands on the rows: a blank row at the first selected one (at the end when none is
// selected), and deleting every selected row.
void InsertEditRow(PickerView& view, FaceLists& lists, const SettingsRecord& settings);
void DeleteSelectedEditRows(PickerView& view, FaceLists& lists, const SettingsRecord& settings);
