#include "shell/process_state.h"

HINSTANCE AppInstance;
HWND PickerWindow;
HWND IconWindow;
HMENU ContextMenu;
UINT TaskbarCreatedMessage;

int InteractionAllowed;
int OptionsOpen;
int AboutOpen;
int ClipAddOpen;
int ChoiceInProgress;
int ExitPending;
int AutoHideArmed;
int AutoPasteArmed;
int EditMode;
int TrayIconShown;
int TransparencyAvailable;
HWND PasteTarget;

char FaceFilePath[MAX_PATH];
char FilterFilePath[MAX_PATH];
char SettingsFilePath[MAX_PATH];
