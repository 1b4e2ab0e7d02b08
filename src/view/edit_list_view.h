#pragma once
// EditListView in edit mode: an owner-data list whose rows are the working copy below, so every
// entry keeps its exact bytes however long it is, and the in-place editors TagEdit and FaceEdit
// laid over a row's two cells.
#include <windows.h>
#include <commctrl.h>

#include "view/edit_working_copy.h"

// Puts EditListViewProc in front of the list view's own window procedure.
void SubclassEditListView();
// Commits the editors on losing the focus; a scroll or resize first closes them over their row.
LRESULT CALLBACK EditListViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Makes the list view show the working copy afresh: row count, no selection, editors closed
// without committing.
void ShowEditRows();
// Writes what the open editors hold into their row and closes them; nothing when none is open.
void CommitAndCloseRowEditors();

// The list view's notifications, routed from the picker's WM_NOTIFY.
void OpenRowEditors(const NMITEMACTIVATE& activation);
void AnswerEditRowText(NMLVDISPINFOW& request);
int FindEditRow(const NMLVFINDITEMW& request);

// Menu commands on the rows: a blank row at the first selected one (at the end when none is
// selected), and deleting every selected row.
void InsertEditRow();
void DeleteSelectedEditRows();
