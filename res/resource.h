// Resource ids shared by vemplor.rc and the C++ sources. Plain numbers only, so that
// both the resource compiler and the C++ compiler read this file.
#ifndef VEMPLOR_RESOURCE_H
#define VEMPLOR_RESOURCE_H

// The program's icon, at every size from 16 to 256 pixels: the window class, the tray, the about
// box.
#define IDI_PICKER 112

// Dialogs.
#define IDD_OPTIONS 114
#define IDD_ICON_WINDOW 115
#define IDD_ABOUT 117
#define IDD_CLIP_ADD 118
#define IDD_IMPORT_PREVIEW 119

// Controls of the add-from-clipboard dialog: the text to add and its length.
#define IDC_CLIP_ADD_TEXT 1034
#define IDC_CLIP_ADD_COUNTER 1035

// Controls of the import preview: what the import will do, and the box that takes every word.
#define IDC_IMPORT_SUMMARY 1038
#define IDC_IMPORT_EVERY_WORD 1039

// The starter list, the release's Vemplor.txt, built into the program.
#define IDR_STARTER_LIST 7

// The context menu: its first sub-menu is the pop-up shown on a right click.
#define IDR_CONTEXT_MENU 6

// Commands of the context menu, returned by TrackPopupMenu with TPM_RETURNCMD.
#define IDM_ABOUT 40070
#define IDM_OPTIONS 40071
#define IDM_ADD_FROM_CLIPBOARD 40072
#define IDM_EDIT_MODE 40073
#define IDM_EDIT_FACE_FILE 40074
#define IDM_EDIT_FILTER_FILE 40075
#define IDM_SORT 40076
#define IDM_REMOVE_DUPLICATES 40077
#define IDM_INSERT_ROW 40078
#define IDM_DELETE_ROWS 40079
#define IDM_EXIT 40080
#define IDM_ADD_STARTER_FACES 40081
#define IDM_IMPORT 40082
#define IDM_EXPORT 40083

// Posted to the picker as a WM_COMMAND id to end the program the ordinary way (shut-down, save).
#define CMD_END_PROGRAM 2
// Posted to the picker as a WM_COMMAND id when the emoticon list has left Shift-JIS for UTF-8.
#define CMD_FACE_LIST_NOW_UTF8 3

// Controls of the options dialog.
#define IDC_AUTO_PASTE 1001
#define IDC_AUTO_HIDE 1002
#define IDC_ICONIFY 1003
#define IDC_ALPHA 1004
#define IDC_TOP_MOST 1005
#define IDC_TRAY_ICON 1006
#define IDC_CLOSE_EXITS 1007
#define IDC_HOT_KEY 1008
#define IDC_SAVE_POSITION 1009
#define IDC_TOP_MOVE 1010
#define IDC_TOOL_TIP 1011
#define IDC_TRANSPARENT 1012
#define IDC_HIDE_TIME_ARROWS 1013
#define IDC_HIDE_TIME 1014
#define IDC_PASTE_TIME_ARROWS 1015
#define IDC_PASTE_TIME 1016
#define IDC_PASTE_KEY 1017
#define IDC_FILTER 1018
#define IDC_FONT_NAME 1019
#define IDC_FONT_STYLE 1020
#define IDC_FONT_SIZE 1021
#define IDC_CHAR_NONE 1022
#define IDC_CHAR_TO_HALF 1023
#define IDC_CHAR_TO_FULL 1024
#define IDC_HOT_KEYS 1025
#define IDC_AUTO_PULLDOWN 1028
#define IDC_RETURN 1029
#define IDC_ALPHA_LABEL 1036
#define IDC_READING_SEARCH 1037
#define IDC_POPUP_AT_MOUSE 1038

// Controls of the about box.
#define IDC_ABOUT_ICON 1029
#define IDC_HOME_PAGE 1030
#define IDC_UPDATE_CHECK 1031
#define IDC_MAIL_FORM 1032
#define IDC_VERSION_LINE 1033

// Posted to the picker when it becomes active, so that it looks for changes another program made
// to the list file once the operation that activated it is over (WM_APP + 1).
#define WM_CHECK_FACE_FILE 32769

// Sent to the picker by edit mode's list view: an in-place editor has lost the focus
// (WM_APP + 2); a scroll or resize is about to move the rows under the editors (WM_APP + 3).
#define WM_ROW_EDITOR_LEFT 32770
#define WM_CLOSE_ROW_EDITORS 32771

// The tray icon: its id and the message its mouse events arrive in (WM_USER + 1).
#define TRAY_ICON_ID 1
#define WM_TRAY_ICON 1025

// The global hotkey that drops the emoticon list down at the cursor.
#define POPUP_HOTKEY_ID 0

#endif
