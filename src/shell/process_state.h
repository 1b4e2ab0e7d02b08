#pragma once
// Process-wide handles and run-time flags of the application shell, used by the window's thread
// only.
#include <windows.h>

extern HINSTANCE AppInstance;
extern HWND PickerWindow;
extern HWND IconWindow;
extern HMENU ContextMenu;
extern UINT TaskbarCreatedMessage;

// 0 while a modal dialog or a long list operation runs: no context menu, no tray click.
extern int InteractionAllowed;
extern int OptionsOpen;
extern int AboutOpen;
extern int ClipAddOpen;
// A choice is being copied and pasted: nothing else may act on the lists or the picker's windows.
extern int ChoiceInProgress;
// An exit was asked for while a modal dialog ran; it is carried out once the dialog has closed.
extern int ExitPending;
// Auto-hide and automatic pasting in force right now; they follow their settings except while
// something the user works with must not vanish or be pasted over.
extern int AutoHideArmed;
extern int AutoPasteArmed;
extern int EditMode;
extern int TrayIconShown;
extern int TransparencyAvailable;
extern HWND PasteTarget;

extern char FaceFilePath[MAX_PATH];
extern char FilterFilePath[MAX_PATH];
extern char SettingsFilePath[MAX_PATH];
