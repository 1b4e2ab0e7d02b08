#pragma once
// The options in memory, each field named by its key in the settings file. Flags hold exactly
// 0 or 1. Left, Top, Width and Close are not held: they are read where they are used.
struct SettingsRecord {
    int TopMost;
    int SavePosition;
    int Filter;
    int TrayIcon;
    int ToolTip;
    int FontSize;
    int FontStyle;
    char FontName[32];
    int TopMove;
    int AutoPaste;
    int PasteTime;
    int PasteKey;
    int AutoHide;
    int Transparent;
    int Alpha;
    int HideTime;
    int Icon;
    int HotKey;
    int HotKeys;
    // Where the hotkey's pop-up opens: 0 at the text caret, 1 at the mouse cursor.
    int PopupAt;
    int AutoPulldown;
    int Return;
    int Char;
    int ReadingSearch;
};
