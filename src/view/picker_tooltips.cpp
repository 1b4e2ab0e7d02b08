#include "view/picker_tooltips.h"

#include <commctrl.h>


namespace {

// The tooltip learns of the pointer from the tools' own window procedures, which hand it every
// mouse message. The common controls' own subclassing would do the same, but under Wine it
// looks the subclass up in the window's properties, a call to the server, for every message the
// combo boxes get: that doubled the cost of a keystroke or a choice.
struct RelayingTool {
    HWND window;
    WNDPROC ownProcedure;
};

const int ToolCount = 3;
// The subclass procedures' only way to their tools' own procedures and to the tooltip.
RelayingTool RelayingTools[ToolCount];
int RelayingToolCount = 0;
HWND RelayTarget = nullptr;

bool IsPointerMessage(UINT message)
{
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return true;
    }
    return false;
}

WNDPROC OwnProcedureOf(HWND window)
{
    for (int i = 0; i < RelayingToolCount; ++i) {
        if (RelayingTools[i].window == window) {
            return RelayingTools[i].ownProcedure;
        }
    }
    return nullptr;
}

// Unicode on both sides, as the controls are: text passes through unconverted.
LRESULT CALLBACK RelayPointerToToolTip(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC ownProcedure = OwnProcedureOf(window);
    if (IsPointerMessage(message)) {
        DWORD position = GetMessagePos();
        MSG relayed = {window, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()),
                       {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))}};
        SendMessageW(RelayTarget, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ownProcedure));
    }
    return CallWindowProcW(ownProcedure, window, message, wParam, lParam);
}

void AddTool(HWND toolTip, HWND pickerWindow, HWND tool)
{
    TOOLINFOW info = {};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND;
    info.hwnd = pickerWindow;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.hinst = GetModuleHandleW(nullptr);
    info.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    if (OwnProcedureOf(tool) == nullptr && RelayingToolCount < ToolCount) {
        RelayingTool& relaying = RelayingTools[RelayingToolCount++];
        relaying.window = tool;
        relaying.ownProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            tool, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RelayPointerToToolTip)));
    }
}

} // namespace

void CreatePickerToolTips(const PickerView& view)
{
    HWND pickerWindow = view.PickerWindow;
    HWND toolTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   pickerWindow, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (toolTip == nullptr) {
        return;
    }
    SendMessageW(toolTip, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN));
    RelayTarget = toolTip;
    AddTool(toolTip, pickerWindow, view.FaceCombo);
    AddTool(toolTip, pickerWindow, view.FilterCombo);
    AddTool(toolTip, pickerWindow, GetWindow(view.FilterCombo, GW_CHILD));
}

void AnswerToolTipText(const PickerView& view, int toolTipSetting, NMTTDISPINFOW& request)
{
    if (toolTipSetting != 1) {
        return;
    }
    HWND tool = reinterpret_cast<HWND>(request.hdr.idFrom);
    if (tool == view.FaceCombo) {
        request.lpszText = const_cast<wchar_t*>(L"顔文字リスト");
    } else if (tool == view.FilterCombo || tool == GetWindow(view.FilterCombo, GW_CHILD)) {
        request.lpszText = const_cast<wchar_t*>(L"顔文字フィルタ");
    }
}
