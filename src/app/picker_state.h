#pragma once
// Everything the picker knows while it runs, in a few records with one owner: WinMain makes it,
// the picker window reaches it through its user data, and each handler is handed the records it
// reads or changes. Only the window's thread touches it.
#include <windows.h>

#include "app/popup_state.h"
#include "app/run_modes.h"
#include "settings/settings_record.h"
#include "store/face_store.h"
#include "view/picker_view.h"

struct PickerState {
    // The program's windows and menu beside the picker's view.
    HWND IconWindow;
    HMENU ContextMenu;
    UINT TaskbarCreatedMessage;
    RunModes modes;
    SettingsRecord settings;
    FaceLists lists;
    PickerView view;
    PopupState popup;
};

// The files, in the current working directory.
const char FaceFilePath[] = "./Vemplor.txt";
const char FilterFilePath[] = "./Filter.txt";
const char SettingsFilePath[] = "./Vemplor.ini";
