#pragma once
#include <windows.h>

// "インポート": asks for a dictionary or an emoticon list and imports it (see ImportDictionaryFile).
void RunImportCommand(HWND pickerWindow);

// Files dropped on the picker are imported one after the other, as if chosen in the dialog.
void ImportDroppedFiles(HWND pickerWindow, HDROP drop);
