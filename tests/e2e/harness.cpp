#include "harness.h"

#include <cstdio>
#include <cstring>

#include <commctrl.h>

namespace {

const UINT ProgramCodePage = 932;

INPUT KeyInput(WORD virtualKey, bool up, bool extended)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, 0));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

// In the program's code page, which the tests' literals are in whatever the system's is.
std::string ToCodePage(const std::wstring& wide)
{
    return BytesFromWide(wide, ProgramCodePage);
}

std::wstring WideControlText(HWND control)
{
    LRESULT length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    SendMessageW(control, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(&wide[0]));
    return wide;
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
    }
}

WorkDir::WorkDir(const std::string& label, const std::string& parent)
{
    Create(label, parent);
}

WorkDir::~WorkDir()
{
    Remove();
}

void WorkDir::Renew(const std::string& label, const std::string& parent)
{
    Remove();
    Create(label, parent);
}

// The path is kept in UTF-8, so a folder may be named in any characters.
void WorkDir::Create(const std::string& label, const std::string& parent)
{
    wchar_t temporary[MAX_PATH];
    GetTempPathW(MAX_PATH, temporary);
    std::string base = parent.empty() ? Utf8FromWide(temporary) : parent + "\\";
    static unsigned sequence = 0;
    path_ = base + "vemplor-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++sequence);
    if (!label.empty()) {
        path_ += " " + label;
    }
    CreateDirectoryW(WideFromUtf8(path_).c_str(), nullptr);
}

void WorkDir::Remove()
{
    for (const std::string& name : FileNames()) {
        std::wstring file = WideFromUtf8(PathOf(name));
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileW(file.c_str())) {
            RemoveDirectoryW(file.c_str());
        }
    }
    RemoveDirectoryW(WideFromUtf8(path_).c_str());
}

std::string WorkDir::PathOf(const std::string& name) const
{
    return path_ + "\\" + name;
}

void WorkDir::Write(const std::string& name, const std::string& bytes) const
{
    std::FILE* file = _wfopen(WideFromUtf8(PathOf(name)).c_str(), L"wb");
    if (file != nullptr) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

bool WorkDir::Read(const std::string& name, std::string& bytes) const
{
    return ReadFileBytes(PathOf(name), bytes);
}

bool ReadFileBytes(const std::string& path, std::string& bytes)
{
    bytes.clear();
    std::FILE* file = _wfopen(WideFromUtf8(path).c_str(), L"rb");
    if (file == nullptr) {
        return false;
    }
    char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.append(chunk, got);
    }
    std::fclose(file);
    return true;
}

std::string WorkDir::Read(const std::string& name) const
{
    std::string bytes;
    Read(name, bytes);
    return bytes;
}

bool WorkDir::Exists(const std::string& name) const
{
    return GetFileAttributesW(WideFromUtf8(PathOf(name)).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> WorkDir::FileNames() const
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(WideFromUtf8(path_ + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        std::string name = Utf8FromWide(found.cFileName);
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

void WorkDir::WriteSetting(const std::string& key, const std::string& value) const
{
    WritePrivateProfileStringA("Option", key.c_str(), value.c_str(),
                               PathOf(SettingsFile).c_str());
}

std::string WorkDir::ReadSetting(const std::string& key) const
{
    char value[1024];
    GetPrivateProfileStringA("Option", key.c_str(), "<absent>", value, sizeof value,
                             PathOf(SettingsFile).c_str());
    return value;
}

RunningPicker::RunningPicker(const WorkDir& workDir)
{
    Launch(workDir);
}

RunningPicker::~RunningPicker()
{
    End();
}

bool RunningPicker::Launch(const WorkDir& workDir)
{
    return Launch(VEMPLOR_EXE_PATH, workDir.Path());
}

bool RunningPicker::Launch(const std::string& exePath, const std::string& directory)
{
    End();
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + WideFromUtf8(exePath) + L"\"";
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        WideFromUtf8(directory).c_str(), &startup, &process_)) {
        return false;
    }
    HWND picker = nullptr;
    WaitUntil([&] {
        picker = FindVisiblePicker(process_.dwProcessId);
        return picker != nullptr || !Running();
    });
    if (picker != nullptr) {
        windows_ = FindPickerWindows(picker);
    }
    return Started();
}

void RunningPicker::End()
{
    if (process_.hProcess == nullptr) {
        return;
    }
    if (Running()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    process_ = {};
    windows_ = {};
}

bool RunningPicker::Running() const
{
    return process_.hProcess != nullptr &&
           WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

int RunningPicker::WaitForExit(DWORD timeoutMs)
{
    if (!WaitUntil([&] { return !Running(); }, timeoutMs)) {
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<int>(code);
}

void RunningPicker::RequestClose() const
{
    PostMessageA(windows_.picker, WM_SYSCOMMAND, SC_CLOSE, 0);
}

int CloseAndWait(RunningPicker& picker, DWORD timeoutMs)
{
    picker.RequestClose();
    return picker.WaitForExit(timeoutMs);
}

namespace {

bool OthersCanOpen(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

} // namespace

HeldFile::HeldFile(const std::string& path) : path_(path)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" VEMPLOR_FILE_HOLDER_PATH "\" \"" + path + "\"";
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        return;
    }
    held_ = WaitUntil([&] {
        return !OthersCanOpen(path_) || WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
    }) && !OthersCanOpen(path_);
}

HeldFile::~HeldFile()
{
    Release();
}

void HeldFile::Release()
{
    if (process_.hProcess == nullptr) {
        return;
    }
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    process_ = {};
    WaitUntil([&] { return OthersCanOpen(path_); });
    held_ = false;
}

RECT WindowRectOf(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

std::vector<RGBQUAD> ScreenPixels(const RECT& rect)
{
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return {};
    }
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<RGBQUAD> pixels(static_cast<std::size_t>(width) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), &format, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

POINT MiddleOf(const RECT& rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT CentreOf(HWND window)
{
    return MiddleOf(WindowRectOf(window));
}

bool MoveWindowTo(HWND window, int x, int y)
{
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return WaitUntil([&] {
        RECT rect = WindowRectOf(window);
        return rect.left == x && rect.top == y;
    });
}

bool TitleBecomes(HWND window, const std::string& title)
{
    return WaitUntil([&] { return WindowTitle(window) == title; });
}

bool CaughtUp(HWND window, DWORD timeoutMs)
{
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored) != 0;
}

void KeyDown(WORD virtualKey, bool extended)
{
    INPUT input = KeyInput(virtualKey, false, extended);
    SendInput(1, &input, sizeof input);
}

void KeyUp(WORD virtualKey, bool extended)
{
    INPUT input = KeyInput(virtualKey, true, extended);
    SendInput(1, &input, sizeof input);
}

void PressKey(WORD virtualKey, bool extended)
{
    KeyDown(virtualKey, extended);
    KeyUp(virtualKey, extended);
}

// Each character goes through the input queue as a Unicode keystroke, so any text can be typed
// whatever keyboard layout the display reports.
void TypeText(const std::string& text)
{
    for (wchar_t character : WideFromBytes(text, CP_ACP)) {
        INPUT inputs[2] = {};
        for (INPUT& input : inputs) {
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = character;
            input.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInput(2, inputs, sizeof inputs[0]);
    }
}

namespace {

bool OpenClipboardSoon()
{
    return WaitUntil([] { return OpenClipboard(nullptr) != 0; }, 2000);
}

// The clipboard's text in the format, up to its first NUL; false when it holds none.
template <typename Unit>
bool ClipboardUnits(UINT format, std::basic_string<Unit>& text)
{
    text.clear();
    if (!OpenClipboardSoon()) {
        return false;
    }
    HANDLE data = GetClipboardData(format);
    const Unit* units = data != nullptr ? static_cast<const Unit*>(GlobalLock(data)) : nullptr;
    if (units != nullptr) {
        text = units;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return data != nullptr;
}

// Empties the clipboard and places the block in the format, unless it is empty.
void PlaceOnClipboard(UINT format, const void* block, std::size_t size)
{
    if (!OpenClipboardSoon()) {
        return;
    }
    EmptyClipboard();
    HGLOBAL memory = size > 0 ? GlobalAlloc(GMEM_MOVEABLE, size) : nullptr;
    if (memory != nullptr) {
        std::memcpy(GlobalLock(memory), block, size);
        GlobalUnlock(memory);
        SetClipboardData(format, memory);
    }
    CloseClipboard();
}

} // namespace

bool ReadClipboardText(std::string& text)
{
    return ClipboardUnits(CF_TEXT, text);
}

void SetClipboardText(const std::string& text)
{
    PlaceOnClipboard(CF_TEXT, text.c_str(), text.empty() ? 0 : text.size() + 1);
}

std::string ControlText(HWND control)
{
    return ToCodePage(WideControlText(control));
}

std::string Utf8ControlText(HWND control)
{
    return Utf8FromWide(WideControlText(control));
}

std::wstring WideFromUtf8(const std::string& text)
{
    return WideFromBytes(text, CP_UTF8);
}

std::string Utf8FromWide(const std::wstring& text)
{
    return BytesFromWide(text, CP_UTF8);
}

std::string Utf8ClipboardText()
{
    std::wstring text;
    ClipboardUnits(CF_UNICODETEXT, text);
    return Utf8FromWide(text);
}

void SetUtf8ClipboardText(const std::string& text)
{
    std::wstring wide = WideFromUtf8(text);
    PlaceOnClipboard(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

namespace {

GUITHREADINFO ThreadInfoOf(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info;
}

} // namespace

HWND FocusedWindow(HWND window)
{
    return ThreadInfoOf(window).hwndFocus;
}

bool InMoveOrSize(HWND window)
{
    return (ThreadInfoOf(window).flags & GUI_INMOVESIZE) != 0;
}

namespace {

// Rounded up, so that the system's mapping back to pixels (rounding down) gives the same pixel.
LONG NormalisedCoordinate(LONG pixel, int screenSize)
{
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screenSize - 1) / screenSize);
}

void SendMouseAt(POINT at, DWORD flags, DWORD wheelDelta = 0)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.mouseData = wheelDelta;
    input.mi.dx = NormalisedCoordinate(at.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = NormalisedCoordinate(at.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

} // namespace

bool SettleMouseAt(POINT at, DWORD timeoutMs)
{
    const DWORD settledMs = 200;
    SendMouseAt(at, 0);
    DWORD stillSince = GetTickCount();
    return WaitUntil([&] {
        POINT cursor = {};
        GetCursorPos(&cursor);
        if (cursor.x != at.x || cursor.y != at.y) {
            SendMouseAt(at, 0);
            stillSince = GetTickCount();
            return false;
        }
        return GetTickCount() - stillSince >= settledMs;
    }, timeoutMs);
}

void MouseButtonAt(POINT at, bool left, bool down)
{
    SendMouseAt(at, left ? (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP)
                         : (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP));
}

void TurnWheelAt(POINT at, int notches)
{
    SettleMouseAt(at);
    for (int notch = 0; notch < (notches < 0 ? -notches : notches); ++notch) {
        SendMouseAt(at, MOUSEEVENTF_WHEEL, static_cast<DWORD>(notches < 0 ? -WHEEL_DELTA : WHEEL_DELTA));
    }
}

void MoveMouseTo(int x, int y)
{
    SettleMouseAt({x, y});
}

void ClickAt(int x, int y)
{
    POINT at = {x, y};
    SettleMouseAt(at);
    MouseButtonAt(at, true, true);
    MouseButtonAt(at, true, false);
}

void DragMouse(POINT from, POINT to, const std::function<bool()>& grabbed)
{
    SettleMouseAt(from);
    MouseButtonAt(from, true, true);
    if (grabbed) {
        WaitUntil(grabbed);
    }
    const int steps = 10;
    for (int step = 1; step <= steps; ++step) {
        SendMouseAt({from.x + (to.x - from.x) * step / steps, from.y + (to.y - from.y) * step / steps},
                    0);
    }
    MouseButtonAt(to, true, false);
}

namespace {

// The visible top-level windows of the class in the picker's process: the last one found, and
// how many there are.
HWND VisibleOfClass(HWND picker, const char* className, int* shown)
{
    DWORD pickerProcess = 0;
    GetWindowThreadProcessId(picker, &pickerProcess);
    HWND found = nullptr;
    int count = 0;
    for (HWND window = FindWindowExA(nullptr, nullptr, className, nullptr); window != nullptr;
         window = FindWindowExA(nullptr, window, className, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == pickerProcess && IsWindowVisible(window)) {
            found = window;
            ++count;
        }
    }
    if (shown != nullptr) {
        *shown = count;
    }
    return found;
}

} // namespace

HWND VisibleDropDownList(HWND picker, int* shown)
{
    return VisibleOfClass(picker, "ComboLBox", shown);
}

HWND VisibleToolTip(HWND picker)
{
    return VisibleOfClass(picker, "tooltips_class32", nullptr);
}

HWND VisibleMenuWindow()
{
    HWND menuWindow = nullptr;
    while ((menuWindow = FindWindowExA(nullptr, menuWindow, "#32768", nullptr)) != nullptr) {
        if (IsWindowVisible(menuWindow)) {
            return menuWindow;
        }
    }
    return nullptr;
}

void ClickListItem(HWND list, int index)
{
    RECT listRect = WindowRectOf(list);
    int itemHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    ClickAt(listRect.left + 10, listRect.top + 1 + itemHeight * index + itemHeight / 2);
}

bool ClickDropDownItem(HWND picker, HWND combo, int index)
{
    // The list follows the pointer once it has taken the mouse; the pointer is nudged until the
    // list shows the item under it, and then the click chooses it. A list that never follows is
    // closed unchosen and opened again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
        HWND list = nullptr;
        if (!WaitUntil([&] { return (list = VisibleDropDownList(picker)) != nullptr; })) {
            continue;
        }
        RECT listRect = WindowRectOf(list);
        int itemHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        POINT item = {listRect.left + 10, listRect.top + itemHeight * index + itemHeight / 2};
        int nudge = 0;
        if (WaitUntil(
                [&] {
                    MoveMouseTo(item.x + (nudge++ % 2), item.y);
                    return SendMessageA(list, LB_GETCURSEL, 0, 0) == index;
                },
                3000)) {
            ClickAt(item.x, item.y);
            return true;
        }
        SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    }
    return false;
}

OptionKeys ReadOptionKeys(const WorkDir& dir)
{
    std::vector<char> section(1 << 16);
    DWORD length = GetPrivateProfileSectionA("Option", section.data(),
                                             static_cast<DWORD>(section.size()),
                                             dir.PathOf(SettingsFile).c_str());
    OptionKeys keys;
    for (DWORD at = 0; at < length && section[at] != '\0';) {
        std::string line = section.data() + at;
        at += static_cast<DWORD>(line.size()) + 1;
        std::size_t equals = line.find('=');
        keys[line.substr(0, equals)] = equals == std::string::npos ? "" : line.substr(equals + 1);
    }
    return keys;
}

bool IsTopMost(HWND window)
{
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

int LayeredAlpha(HWND window)
{
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) {
        return -1;
    }
    return alpha;
}

namespace {

void SetWideFilterText(const PickerWindows& windows, const std::wstring& filter)
{
    SendMessageW(windows.filterEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(filter.c_str()));
    SendMessageW(windows.picker, WM_COMMAND, MAKEWPARAM(0, CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(windows.filterCombo));
}

} // namespace

// The bytes are taken in the system's code page, as the ANSI API would take them.
void SetFilterText(const PickerWindows& windows, const std::string& filter)
{
    SetWideFilterText(windows, WideFromBytes(filter, CP_ACP));
}

void SetUtf8FilterText(const PickerWindows& windows, const std::string& filter)
{
    SetWideFilterText(windows, WideFromUtf8(filter));
}

bool EnterEditModeOverList(const PickerWindows& windows)
{
    return ChooseFromContextMenu(windows.faceCombo, 'E') &&
           WaitUntil([&] { return IsWindowVisible(windows.editListView) != 0; });
}

bool HotKeyTaken(UINT modifiers, UINT key)
{
    bool free = RegisterHotKey(nullptr, 1, modifiers, key) != 0;
    UnregisterHotKey(nullptr, 1);
    return !free;
}

HWND WaitForDialog(const char* caption)
{
    HWND dialog = nullptr;
    WaitUntil([&] {
        dialog = FindWindowW(L"#32770", WideFromBytes(caption, ProgramCodePage).c_str());
        return dialog != nullptr && IsWindowVisible(dialog);
    });
    return dialog;
}

HWND OpenDialogFromMenu(POINT at, WORD accessKey, const char* caption)
{
    return ChooseFromMenu(at, {accessKey}) ? WaitForDialog(caption) : nullptr;
}

HWND OpenDialogOver(HWND over, WORD accessKey, const char* caption)
{
    return ChooseFromContextMenu(over, accessKey) ? WaitForDialog(caption) : nullptr;
}

void ClickControl(HWND control)
{
    POINT centre = CentreOf(control);
    ClickAt(centre.x, centre.y);
}

bool ClickAndWaitClosed(HWND dialog, int buttonId)
{
    ClickControl(GetDlgItem(dialog, buttonId));
    return WaitUntil([&] { return !IsWindow(dialog); });
}

HWND MessageBoxOver(HWND owner)
{
    struct Search {
        HWND owner;
        HWND found;
    } search = {owner, nullptr};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            Search& search = *reinterpret_cast<Search*>(context);
            char className[16] = "";
            GetClassNameA(window, className, sizeof className);
            if (GetWindow(window, GW_OWNER) == search.owner && IsWindowVisible(window) &&
                std::string(className) == "#32770") {
                search.found = window;
            }
            return search.found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string MessageText(HWND box)
{
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = "";
        GetClassNameA(child, className, sizeof className);
        if (std::string(className) == "Static") {
            text += ControlText(child);
        }
    }
    return text;
}

namespace {

// Sends a message whose lParam points at a record. The system passes the pointers of list-view
// messages and of WM_DPICHANGED across processes unchanged, so the record, and room for a text
// after it when asked for, are lent in the window's process; both come back.
LRESULT SendLentRecord(HWND window, UINT message, WPARAM wParam, void* record, std::size_t size,
                       std::string* text = nullptr, std::size_t unitSize = 1)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                                 processId);
    const std::size_t textRoom = text != nullptr ? 65536 : 0;
    char* lent = static_cast<char*>(
        VirtualAllocEx(process, nullptr, size + textRoom, MEM_COMMIT, PAGE_READWRITE));
    if (process == nullptr || lent == nullptr) {
        CloseHandle(process);
        return -1;
    }
    if (text != nullptr) {
        static_cast<LVITEMA*>(record)->pszText = lent + size;
        static_cast<LVITEMA*>(record)->cchTextMax = static_cast<int>(textRoom / unitSize);
    }
    WriteProcessMemory(process, lent, record, size, nullptr);
    LRESULT result = SendMessageA(window, message, wParam, reinterpret_cast<LPARAM>(lent));
    ReadProcessMemory(process, lent, record, size, nullptr);
    if (text != nullptr) {
        text->assign(static_cast<std::size_t>(result > 0 ? result : 0) * unitSize, '\0');
        ReadProcessMemory(process, lent + size, &(*text)[0], text->size(), nullptr);
    }
    VirtualFreeEx(process, lent, 0, MEM_RELEASE);
    CloseHandle(process);
    return result;
}

} // namespace

void SendDpiChanged(HWND window, int dpi, RECT suggested)
{
    const UINT dpiChanged = 0x02E0;
    SendLentRecord(window, dpiChanged, MAKEWPARAM(dpi, dpi), &suggested, sizeof suggested);
}

int ListViewRowCount(HWND listView)
{
    return static_cast<int>(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
}

std::string ListViewCell(HWND listView, int row, int column)
{
    LVITEMA item = {};
    item.iSubItem = column;
    std::string text;
    SendLentRecord(listView, LVM_GETITEMTEXTA, row, &item, sizeof item, &text);
    return text;
}

std::string Utf8ListViewCell(HWND listView, int row, int column)
{
    LVITEMW item = {};
    item.iSubItem = column;
    std::string bytes;
    SendLentRecord(listView, LVM_GETITEMTEXTW, row, &item, sizeof item, &bytes,
                       sizeof(wchar_t));
    std::wstring wide(bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(&wide[0], bytes.data(), wide.size() * sizeof(wchar_t));
    return Utf8FromWide(wide);
}

RECT ListViewCellRect(HWND listView, int row, int column)
{
    RECT rect = {LVIR_BOUNDS, column, 0, 0};
    SendLentRecord(listView, LVM_GETSUBITEMRECT, row, &rect, sizeof rect);
    MapWindowPoints(listView, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void AddListViewRowToSelection(HWND listView, int row)
{
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    SendLentRecord(listView, LVM_SETITEMSTATE, row, &item, sizeof item);
}

void DoubleClickAt(POINT at)
{
    SettleMouseAt(at);
    for (int click = 0; click < 2; ++click) {
        MouseButtonAt(at, true, true);
        MouseButtonAt(at, true, false);
    }
}

namespace {

// True once the menu's thread runs the menu and has the foreground, so keys reach the menu.
bool MenuTakesKeys(HWND menuWindow)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    DWORD thread = GetWindowThreadProcessId(menuWindow, nullptr);
    return GetGUIThreadInfo(thread, &info) && (info.flags & GUI_INMENUMODE) != 0 &&
           GetWindowThreadProcessId(GetForegroundWindow(), nullptr) == thread;
}

} // namespace

POINT ShiftingCaptionPoint(HWND window)
{
    static int shift = 0;
    shift = (shift + 7) % 63;
    RECT rect = WindowRectOf(window);
    POINT clientOrigin = {0, 0};
    ClientToScreen(window, &clientOrigin);
    return {rect.left + 40 + shift, (rect.top + clientOrigin.y) / 2};
}

HWND OpenMenuAt(POINT at)
{
    SettleMouseAt(at);
    MouseButtonAt(at, false, true);
    MouseButtonAt(at, false, false);
    HWND menuWindow = nullptr;
    bool open = WaitUntil([&] {
        menuWindow = VisibleMenuWindow();
        return menuWindow != nullptr && MenuTakesKeys(menuWindow);
    });
    return open ? menuWindow : nullptr;
}

bool ChooseFromMenu(POINT at, std::initializer_list<WORD> keys)
{
    HWND menuWindow = OpenMenuAt(at);
    if (menuWindow == nullptr) {
        return false;
    }
    for (WORD key : keys) {
        PressKey(key);
    }
    return WaitUntil([&] { return !IsWindowVisible(menuWindow); });
}

bool ChooseFromContextMenu(HWND over, WORD accessKey)
{
    SetForegroundWindow(GetAncestor(over, GA_ROOT));
    return ChooseFromMenu(CentreOf(over), {accessKey});
}

NOTIFYICONDATAA PickerIconRecord(HWND picker)
{
    NOTIFYICONDATAA record = {};
    record.cbSize = sizeof record;
    record.hWnd = picker;
    record.uID = 1;
    return record;
}

bool TrayIconPresent(HWND picker)
{
    NOTIFYICONDATAA record = PickerIconRecord(picker);
    return Shell_NotifyIconA(NIM_MODIFY, &record) != 0;
}

POINT TrayIconPoint()
{
    RECT taskbar = WindowRectOf(FindWindowA("Shell_TrayWnd", nullptr));
    return {taskbar.right - 11, (taskbar.top + taskbar.bottom) / 2};
}
