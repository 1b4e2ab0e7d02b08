#pragma once
// What the program is doing right now, which decides what a message may do.
#include <windows.h>

struct RunModes {
    // 0 while a modal dialog or a long list operation runs: no context menu, no tray click.
    int InteractionAllowed;
    int OptionsOpen;
    int AboutOpen;
    int ClipAddOpen;
    // An import or export runs: its file dialog, its preview or its closing message is open.
    int DictionaryOpen;
    // A choice is being copied and pasted: nothing else may act on the lists or the picker's
    // windows.
    int ChoiceInProgress;
    // An exit was asked for while a modal dialog ran; it is carried out once the dialog has
    // closed.
    int ExitPending;
    // Auto-hide and automatic pasting in force right now; they follow their settings except
    // while something the user works with must not vanish or be pasted over.
    int AutoHideArmed;
    int AutoPasteArmed;
    int EditMode;
    int TrayIconShown;
    int TransparencyAvailable;
    // Where a choice is pasted: the window in front that the hover tick last noted.
    HWND PasteTarget;
    // The ticks the pointer has stayed away from the picker, counting towards auto-hide.
    int HideTicks;
    // Moving through an open emoticon list only highlights. Enter or a click on an item
    // confirms the highlighted one while the list is still open (CBN_SELENDOK); the choice is
    // made once the list has closed (CBN_CLOSEUP), so that pasting, which hands the foreground
    // to another window, never runs under an open list holding the mouse. Escape or a click
    // elsewhere cancels.
    HWND ConfirmedList;
    // The selection an emoticon list had when it opened, given back when it closes unchosen.
    LRESULT IndexWhenOpened;
};
