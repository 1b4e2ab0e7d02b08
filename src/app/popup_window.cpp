#include "app/popup_window.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "app/choice.h"
#include "view/picker_fill.h"
#include "view/window_text.h"

namespace {

const wchar_t PopupClassName[] = L"VemplorPopup";
const int FieldId = 1;
const int ListId = 2;
const DWORD FieldStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
const DWORD ListStyle =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS |
    LBS_DISABLENOSCROLL;
// Posted by the list once it has handled the click that released the pointer over an item.
const UINT ChooseClickedItemMessage = WM_APP + 20;
const UINT_PTR BalloonTimerId = 1;
const UINT BalloonShownMs = 8000;
const int BalloonWidth = 300;
const wchar_t BalloonTitle[] = L"管理者として実行中のプログラムです";
const wchar_t BalloonText[] = L"自動では貼り付けられません。顔文字はクリップボードにコピーした"
                              L"ので、Ctrl+V で貼り付けてください。";

// The pop-up window's state: the program's, found through the window's user data.
PickerState* StateOf(HWND popup)
{
    return reinterpret_cast<PickerState*>(GetWindowLongPtrW(popup, GWLP_USERDATA));
}

const TextList& ShownFaces(const PickerState& picker)
{
    return picker.popup.wholeList ? picker.lists.FaceList : picker.popup.foundFaces;
}

LRESULT Highlighted(const PopupState& state)
{
    return SendMessageW(state.list, LB_GETCURSEL, 0, 0);
}

void ShowFound(PickerState& picker)
{
    PopupState& state = picker.popup;
    std::wstring filter = WindowText(state.field);
    state.filtered = !filter.empty();
    state.wholeList = FindFaces(picker.view.searchKeys, picker.lists,
                                picker.settings.ReadingSearch != 0, filter, state.foundFaces,
                                state.foundTags);
    if (state.wholeList) {
        TextList().swap(state.foundFaces);
        TextList().swap(state.foundTags);
    }
    FillCombo(picker.view, picker.lists, state.list, ShownFaces(picker));
    SendMessageW(state.list, LB_SETCURSEL, 0, 0);
}

// Up and Down step by one, Page Up and Page Down by what the list shows; the rows not handed
// to the list yet are added as far as the highlight goes.
void MoveHighlight(PickerState& picker, WPARAM key)
{
    const PopupState& state = picker.popup;
    long total = static_cast<long>(ShownFaces(picker).size());
    if (total == 0) {
        return;
    }
    RECT client = {};
    GetClientRect(state.list, &client);
    long itemHeight = static_cast<long>(SendMessageW(state.list, LB_GETITEMHEIGHT, 0, 0));
    long page = std::max(1L, (client.bottom - client.top) / std::max(1L, itemHeight) - 1);
    long step = key == VK_UP ? -1 : key == VK_DOWN ? 1 : key == VK_PRIOR ? -page : page;
    long current = static_cast<long>(Highlighted(state));
    long next = std::max(0L, std::min(total - 1, current + step));
    FillComboThrough(picker.view, picker.lists, state.list, next);
    SendMessageW(state.list, LB_SETCURSEL, static_cast<WPARAM>(next), 0);
}

TOOLINFOW BalloonTool(HWND popup)
{
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = popup;
    tool.lpszText = const_cast<wchar_t*>(BalloonText);
    return tool;
}

HWND CreateBalloon(HWND popup)
{
    HWND balloon =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0, 0, popup,
                        nullptr, GetModuleHandleW(nullptr), nullptr);
    TOOLINFOW tool = BalloonTool(popup);
    SendMessageW(balloon, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(balloon, TTM_SETMAXTIPWIDTH, 0, BalloonWidth);
    SendMessageW(balloon, TTM_SETTITLEW, TTI_INFO, reinterpret_cast<LPARAM>(BalloonTitle));
    return balloon;
}

// Points at where the field was, so the user sees it next to the text that was not pasted.
void ShowBalloon(HWND popup, PopupState& state, POINT at)
{
    if (state.balloon == nullptr) {
        state.balloon = CreateBalloon(popup);
    }
    TOOLINFOW tool = BalloonTool(popup);
    SendMessageW(state.balloon, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
    SendMessageW(state.balloon, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    SetTimer(popup, BalloonTimerId, BalloonShownMs, nullptr);
}

void HideBalloon(HWND popup, const PopupState& state)
{
    KillTimer(popup, BalloonTimerId);
    if (state.balloon != nullptr) {
        TOOLINFOW tool = BalloonTool(popup);
        SendMessageW(state.balloon, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    }
}

// Hidden while in front, the pop-up hands the foreground to the picker, so it goes on to the
// window the pop-up was opened for afterwards: the foreground changes hands a while after it is
// asked for, and a hide after that could take it back.
void ClosePopup(HWND popup, HWND focusTo)
{
    ShowWindow(popup, SW_HIDE);
    if (focusTo != nullptr) {
        SetForegroundWindow(focusTo);
    }
}

void ChooseItem(HWND popup, PickerState& picker, LRESULT index)
{
    PopupState& state = picker.popup;
    const TextList& shown = ShownFaces(picker);
    if (index < 0 || static_cast<std::size_t>(index) >= shown.size()) {
        return;
    }
    const std::string face = shown[static_cast<std::size_t>(index)];
    RECT field = {};
    GetWindowRect(state.field, &field);
    HWND target = state.anchor.target;
    ClosePopup(popup, target);
    if (OnPopupChoice(picker, popup, face, static_cast<std::size_t>(index), target)) {
        POINT fieldBottom = {field.left + (field.right - field.left) / 4, field.bottom};
        ShowBalloon(popup, state, fieldBottom);
    }
}

bool OnFieldKey(HWND popup, PickerState& picker, WPARAM key)
{
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: MoveHighlight(picker, key); return true;
    case VK_RETURN: ChooseItem(popup, picker, Highlighted(picker.popup)); return true;
    case VK_ESCAPE: ClosePopup(popup, picker.popup.anchor.target); return true;
    }
    return false;
}

// The field keeps the keyboard: the keys that move through the list or end the pop-up are
// taken here; Enter and Escape would beep as characters.
LRESULT CALLBACK FieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND popup = GetParent(field);
    PickerState& picker = *StateOf(popup);
    const PopupState& state = picker.popup;
    switch (message) {
    case WM_KEYDOWN:
        if (OnFieldKey(popup, picker, wParam)) {
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
            return 0;
        }
        break;
    case WM_MOUSEWHEEL: return SendMessageW(state.list, message, wParam, lParam);
    }
    return CallWindowProcW(state.fieldProcedure, field, message, wParam, lParam);
}

// A click chooses the item it released the pointer over; one that ends outside the items does
// not.
LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND popup = GetParent(list);
    const PickerState& picker = *StateOf(popup);
    if (message == WM_PAINT) {
        LetFilledListPaint(picker.view, list);
    }
    LRESULT result = CallWindowProcW(picker.popup.listProcedure, list, message, wParam, lParam);
    if (message == WM_LBUTTONUP && HIWORD(SendMessageW(list, LB_ITEMFROMPOINT, 0, lParam)) == 0) {
        PostMessageW(popup, ChooseClickedItemMessage, 0, 0);
    }
    return result;
}

LRESULT OnPopupCommand(PickerState& picker, WPARAM wParam)
{
    if (LOWORD(wParam) == FieldId && HIWORD(wParam) == EN_CHANGE && !picker.popup.clearingField) {
        ShowFound(picker);
    }
    return 0;
}

// A click elsewhere closes the pop-up, choosing nothing; the focus stays where it went.
LRESULT OnPopupActivate(HWND popup, WPARAM wParam)
{
    if (LOWORD(wParam) == WA_INACTIVE) {
        ClosePopup(popup, nullptr);
    }
    return 0;
}

// The picker hands the pop-up its font: the field and the list take it.
LRESULT OnPopupFont(const PopupState& state, WPARAM wParam, LPARAM lParam)
{
    SendMessageW(state.field, WM_SETFONT, wParam, lParam);
    SendMessageW(state.list, WM_SETFONT, wParam, lParam);
    return 0;
}

LRESULT OnPopupTimer(HWND popup, const PopupState& state, WPARAM timer)
{
    if (timer == BalloonTimerId) {
        HideBalloon(popup, state);
    }
    return 0;
}

LRESULT CALLBACK PopupProcedure(HWND popup, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(popup, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(
                              reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    PickerState* picker = StateOf(popup);
    if (picker == nullptr) {
        return DefWindowProcW(popup, message, wParam, lParam);
    }
    PopupState& state = picker->popup;
    switch (message) {
    case WM_COMMAND: return OnPopupCommand(*picker, wParam);
    case WM_ACTIVATE: return OnPopupActivate(popup, wParam);
    case WM_SETFONT: return OnPopupFont(state, wParam, lParam);
    case WM_TIMER: return OnPopupTimer(popup, state, wParam);
    case ChooseClickedItemMessage: ChooseItem(popup, *picker, Highlighted(state)); return 0;
    }
    return DefWindowProcW(popup, message, wParam, lParam);
}

HWND CreateChild(const wchar_t* className, DWORD style, int id, HWND popup)
{
    return CreateWindowExW(0, className, nullptr, style, 0, 0, 0, 0, popup,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

WNDPROC Subclass(HWND control, WNDPROC procedure)
{
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

// The field and the list fill the pop-up, the list above the field where it opens upward.
void LayOut(HWND popup, const PopupState& state, const PopupPlacement& placement)
{
    const ScreenRect& field = placement.field;
    const ScreenRect& list = placement.list;
    long top = std::min(field.top, list.top);
    long bottom = std::max(field.bottom, list.bottom);
    SetWindowPos(popup, HWND_TOPMOST, field.left, top, field.right - field.left, bottom - top,
                 SWP_NOACTIVATE);
    MoveWindow(state.field, 0, field.top - top, field.right - field.left,
               field.bottom - field.top, FALSE);
    MoveWindow(state.list, 0, list.top - top, list.right - list.left, list.bottom - list.top,
               FALSE);
}

} // namespace

HWND CreatePopupWindow(PickerState& picker)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DROPSHADOW;
    windowClass.lpfnWndProc = PopupProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = PopupClassName;
    RegisterClassExW(&windowClass);
    // Owned by no window: under Wine a window owned by the picker takes the picker's place on
    // top as the picker is put there, and the picker loses it. A tool window stays off the
    // taskbar all the same.
    HWND popup = CreateWindowExW(WS_EX_TOOLWINDOW, PopupClassName, nullptr, WS_POPUP, 0, 0, 0, 0,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), &picker);
    if (popup == nullptr) {
        return nullptr;
    }
    PopupState& state = picker.popup;
    state.wholeList = true;
    state.field = CreateChild(L"EDIT", FieldStyle, FieldId, popup);
    state.list = CreateChild(L"LISTBOX", ListStyle, ListId, popup);
    state.fieldProcedure = Subclass(state.field, FieldProcedure);
    state.listProcedure = Subclass(state.list, ListProcedure);
    return popup;
}

void OpenPopup(PickerState& picker, const PopupAnchor& anchor, const PopupPlacement& placement)
{
    HWND popup = picker.view.PopupCombo;
    PopupState& state = picker.popup;
    HideBalloon(popup, state);
    state.anchor = anchor;
    LayOut(popup, state, placement);
    state.clearingField = true;
    SetWindowTextW(state.field, L"");
    state.clearingField = false;
    ShowFound(picker);
    ShowWindow(popup, SW_SHOW);
    SetForegroundWindow(popup);
    SetFocus(state.field);
}

const PopupAnchor* OpenPopupAnchor(const PickerState& picker)
{
    return IsWindowVisible(picker.view.PopupCombo) ? &picker.popup.anchor : nullptr;
}

long PopupItemHeight(const PopupState& popup)
{
    return static_cast<long>(SendMessageW(popup.list, LB_GETITEMHEIGHT, 0, 0));
}
