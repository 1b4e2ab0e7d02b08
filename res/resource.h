// Resource ids shared by vemplor.rc and the C++ sources. Plain numbers only, so that
// both the resource compiler and the C++ compiler read this file.
#ifndef VEMPLOR_RESOURCE_H
#define VEMPLOR_RESOURCE_H

// Icons: the program icon (32 x 32, 256 colours) and the small one (16 x 16, monochrome)
// used for the window class and the tray.
#define IDI_PICKER 112
#define IDI_PICKER_SMALL 113

// Dialogs.
#define IDD_OPTIONS 114
#define IDD_ICON_WINDOW 115
#define IDD_ABOUT 117
#define IDD_CLIP_ADD 118

// Controls of the add-from-clipboard dialog: the text to add and its length.
#define IDC_CLIP_ADD_TEXT 1034
#define IDC_CLIP_ADD_COUNTER 1035

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

// Posted to the picker when it becomes active, so that it looks for changes another program made
// to the list file once the operation that activated it is over (WM_APP + 1).
#define WM_CHECK_FACE_FILE 32769

// The tray icon: its id and the message its mouse events arrive in (WM_USER + 1).
#define TRAY_ICON_ID 1
#define WM_TRAY_ICON 1025

// The global hotkey that drops the emoticon list down at the cursor.
#define POPUP_HOTKEY_ID 0

#endif
