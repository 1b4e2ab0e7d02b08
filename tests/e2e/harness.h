#pragma once
// Shared by the end-to-end tests: a fresh working directory with the files a test writes, the
// real vemplor.exe started in it, its windows found as a user sees them, input sent to it, and
// everything cleaned up whatever the test's outcome.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "picker_probe.h"

// The files the picker reads and writes in its working directory.
inline const std::string FaceFile = "Vemplor.txt";
inline const std::string FilterFile = "Filter.txt";
inline const std::string SettingsFile = "Vemplor.ini";

// Polls condition until it holds or timeoutMs passes; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// A file's bytes, by its UTF-8 path; false when it cannot be opened.
bool ReadFileBytes(const std::string& path, std::string& bytes);

// A temporary working directory, removed with everything in it at the end of the test. The
// label, if any, ends its name (it may hold spaces). It lies in the system's temporary folder,
// or in parent. Paths and file names are UTF-8, so they may hold any character.
class WorkDir {
public:
    explicit WorkDir(const std::string& label = "", const std::string& parent = "");
    ~WorkDir();
    // Removes the directory with everything in it and takes a fresh one.
    void Renew(const std::string& label = "", const std::string& parent = "");
    WorkDir(const WorkDir&) = delete;
    WorkDir& operator=(const WorkDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string PathOf(const std::string& name) const;
    void Write(const std::string& name, const std::string& bytes) const;
    // The file's bytes; false when it does not exist.
    bool Read(const std::string& name, std::string& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    std::vector<std::string> FileNames() const;
    // One key of section "Option" of the settings file.
    void WriteSetting(const std::string& key, const std::string& value) const;
    // The value of a key, or "<absent>".
    std::string ReadSetting(const std::string& key) const;

private:
    void Create(const std::string& label, const std::string& parent);
    void Remove();

    std::string path_;
};

// The running program. The destructor ends it if the test did not.
class RunningPicker {
public:
    RunningPicker() = default;
    explicit RunningPicker(const WorkDir& workDir);
    ~RunningPicker();
    RunningPicker(const RunningPicker&) = delete;
    RunningPicker& operator=(const RunningPicker&) = delete;

    // Ends the program started before, if it still runs, and starts it in the directory; true
    // once its window shows.
    bool Launch(const WorkDir& workDir);
    // The same with another copy of the program, in a directory of the caller's (UTF-8 paths).
    bool Launch(const std::string& exePath, const std::string& directory);
    // Ends the program if it still runs.
    void End();
    // True once the picker's window is visible with its controls.
    bool Started() const { return windows_.picker != nullptr; }
    const PickerWindows& Windows() const { return windows_; }
    HWND Picker() const { return windows_.picker; }
    bool Running() const;
    // Waits for the process to end; its exit code, or -1 after the timeout.
    int WaitForExit(DWORD timeoutMs = 10000);
    // Asks the window to close as the caption's close button does.
    void RequestClose() const;

private:
    PROCESS_INFORMATION process_ = {};
    PickerWindows windows_;
};

// Closes the picker as the caption's close button does; its exit code (see WaitForExit).
int CloseAndWait(RunningPicker& picker, DWORD timeoutMs = 10000);

// Another program holding a file open without sharing until Release or the end of the test.
class HeldFile {
public:
    explicit HeldFile(const std::string& path);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    // True once nobody else can open the file.
    bool Held() const { return held_; }
    void Release();

private:
    std::string path_;
    PROCESS_INFORMATION process_ = {};
    bool held_ = false;
};

RECT WindowRectOf(HWND window);
// The pixels on the screen inside rect, row by row from the top; empty for an empty rect.
std::vector<RGBQUAD> ScreenPixels(const RECT& rect);
POINT MiddleOf(const RECT& rect);
// The middle of the window on the screen.
POINT CentreOf(HWND window);
// Moves a window, and waits until it is there.
bool MoveWindowTo(HWND window, int x, int y);
// Waits until the window's title reads title.
bool TitleBecomes(HWND window, const std::string& title);
// A round trip through the window's thread: true once whatever it was doing with earlier input
// or a command it runs is done.
bool CaughtUp(HWND window, DWORD timeoutMs = 10000);

// Real input through the system's input queue. Mouse events carry their own position, and a
// move waits until the pointer has stayed there (see SettleMouseAt).
void MoveMouseTo(int x, int y);
void ClickAt(int x, int y);
// Presses the left button at from, moves to to and lets go. When grabbed is given, the move
// waits until it holds: a window's size loop that starts after the button is already up would
// wait for another click.
void DragMouse(POINT from, POINT to, const std::function<bool()>& grabbed = nullptr);
void PressKey(WORD virtualKey, bool extended = false);
void KeyDown(WORD virtualKey, bool extended = false);
void KeyUp(WORD virtualKey, bool extended = false);
void TypeText(const std::string& text);

// The clipboard's CF_TEXT bytes; false when there is no text.
bool ReadClipboardText(std::string& text);
void SetClipboardText(const std::string& text);

// Text the system's code page may not hold, as UTF-8: the clipboard's CF_UNICODETEXT (empty when
// there is none), and placing it there alone.
std::string Utf8ClipboardText();
void SetUtf8ClipboardText(const std::string& text);
std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);

// The drop-down list of the picker's process that is showing right now, if any; shown, when
// given, receives how many are showing.
HWND VisibleDropDownList(HWND picker, int* shown = nullptr);
// The picker's tooltip showing right now, if any.
HWND VisibleToolTip(HWND picker);
// The pop-up menu showing right now, if any: other processes may keep hidden menu windows.
HWND VisibleMenuWindow();
// Opens the combo box's list, as a click on its arrow does, and clicks item index in it for
// real. False when the list did not open or did not follow the pointer.
bool ClickDropDownItem(HWND picker, HWND combo, int index);
// Clicks item index of another process's list box, scrolled to its top.
void ClickListItem(HWND list, int index);
// The text of another process's control, asked by message (GetWindowText across processes
// reads only a stored caption), as the program's own bytes.
std::string ControlText(HWND control);
std::string Utf8ControlText(HWND control);
// Rows of another process's list view and one cell's text as the program's own bytes, asked
// through memory lent in that process (the system passes list-view pointers across unchanged).
int ListViewRowCount(HWND listView);
std::string ListViewCell(HWND listView, int row, int column);
std::string Utf8ListViewCell(HWND listView, int row, int column);
// The screen rectangle of a row's cell (column 0: the whole row).
RECT ListViewCellRect(HWND listView, int row, int column);
// Tells a window, as the system does when it moves to a monitor of another DPI, that the DPI is
// now dpi and where the system suggests it go.
void SendDpiChanged(HWND window, int dpi, RECT suggested);
// A point in the window's caption, a little further right at each call: two right clicks at one
// place in quick succession would make a double click, which opens no menu.
POINT ShiftingCaptionPoint(HWND window);
// Opens the context menu with a right click at the point; its window once it takes keys, or null.
HWND OpenMenuAt(POINT at);
// Opens the menu and picks an item by pressing keys. False when no menu opened or it stayed open.
bool ChooseFromMenu(POINT at, std::initializer_list<WORD> keys);
// The same over the middle of one of the picker's controls, the picker brought to the front
// first, choosing the item with the access key.
bool ChooseFromContextMenu(HWND over, WORD accessKey);

// Adds a row to the list view's selection, as a Ctrl+click does.
void AddListViewRowToSelection(HWND listView, int row);
// Two clicks at one pixel within the double-click time.
void DoubleClickAt(POINT at);
// The window that has the keyboard focus in the thread of the given window.
HWND FocusedWindow(HWND window);
// True while the window's thread runs a move or size loop (a drag still in progress).
bool InMoveOrSize(HWND window);

// Under Wine the pointer can jump back to an earlier position for a moment after a move, so a
// click, or a program's cursor query, right after the move may go astray. SettleMouseAt moves
// the pointer and waits until it has stayed put; false when it never did.
bool SettleMouseAt(POINT at, DWORD timeoutMs = 3000);
// A button event that carries its own position, exactly that pixel.
void MouseButtonAt(POINT at, bool left, bool down);
// Turns the wheel with the pointer at that pixel: positive notches away from the user (up).
void TurnWheelAt(POINT at, int notches);

using OptionKeys = std::map<std::string, std::string>;
// Section "Option" of the settings file as the system's INI reader sees it.
OptionKeys ReadOptionKeys(const WorkDir& dir);

bool IsTopMost(HWND window);
// The opacity the window is drawn with, or -1 when it has none of its own.
int LayeredAlpha(HWND window);

// Puts the text into the filter box and tells the picker, as an edit of the box does.
void SetFilterText(const PickerWindows& windows, const std::string& filter);
void SetUtf8FilterText(const PickerWindows& windows, const std::string& filter);
// Enters edit mode through the context menu over the emoticon list; true once the table shows.
bool EnterEditModeOverList(const PickerWindows& windows);
// True while someone (the picker) holds the system-wide hotkey.
bool HotKeyTaken(UINT modifiers, UINT key);

inline const char* const OptionsCaption = "オプション";
// The visible dialog of that caption once it shows, or null.
HWND WaitForDialog(const char* caption);
// Picks the item of the access key from the menu a right click at the point opens, then waits
// for the dialog of that caption and returns it (null when either never showed).
HWND OpenDialogFromMenu(POINT at, WORD accessKey, const char* caption);
// The same through ChooseFromContextMenu over one of the picker's controls.
HWND OpenDialogOver(HWND over, WORD accessKey, const char* caption);
// A real click in the middle of a control.
void ClickControl(HWND control);
// Clicks the dialog's button and waits until the dialog is gone.
bool ClickAndWaitClosed(HWND dialog, int buttonId);
// A message box a window shows: a window of the dialog class owned by it.
HWND MessageBoxOver(HWND owner);
// Every static text of a message box, one after another, as the program's own bytes.
std::string MessageText(HWND box);

// The record naming the picker's icon in the notification area.
NOTIFYICONDATAA PickerIconRecord(HWND picker);
// The notification area lets a program modify only an icon it holds.
bool TrayIconPresent(HWND picker);
// The only icon sits at the right end of the taskbar.
POINT TrayIconPoint();
