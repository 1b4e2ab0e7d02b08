#pragma once

enum class TrayClickAction { Nothing, ShowPicker, HidePicker, OpenMenu };

// What a mouse message from the tray icon does. The left button shows or hides the picker,
// except while auto-hide decides its visibility; the right button opens the menu. Neither does
// anything while a dialog or a long list operation holds the program.
TrayClickAction DecideTrayClick(unsigned int mouseMessage, bool pickerVisible,
                                bool interactionAllowed, bool autoHideArmed);
