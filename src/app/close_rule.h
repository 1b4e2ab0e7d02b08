#pragma once

enum class CloseAction { Quit, Hide };

// Closing ends the program unless the user asked closing to only hide the window (Close = 0)
// and the tray icon is there to bring it back.
CloseAction DecideCloseAction(int closeSetting, int trayIconShown);
