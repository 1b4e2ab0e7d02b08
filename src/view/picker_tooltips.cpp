#include "view/picker_tooltips.h"

#include <commctrl.h>

#include "app/app_state.h"
#include "settings/settings_record.h"
#include "view/picker_controls.h"

namespace {

void AddTool(HWND toolTip, HWND pickerWindow, HWND tool)
{
    TOOLINFOA info = {};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = pickerWindow;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.hinst = AppInstance;
    info.lpszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(toolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

} // namespace

void CreatePickerToolTips(HWND pickerWindow)
{
    HWND toolTip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                   WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   pickerWindow, nullptr, AppInstance, nullptr);
    SendMessageA(toolTip, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN));
    AddTool(toolTip, pickerWindow, FaceCombo);
    AddTool(toolTip, pickerWindow, FilterCombo);
    AddTool(toolTip, pickerWindow, GetWindow(FilterCombo, GW_CHILD));
}

void AnswerToolTipText(NMTTDISPINFOA& request)
{
    if (Settings.ToolTip != 1) {
        return;
    }
    HWND tool = reinterpret_cast<HWND>(request.hdr.idFrom);
    if (tool == FaceCombo) {
        request.lpszText = const_cast<char*>("顔文字リスト");
    } else if (tool == FilterCombo || tool == GetWindow(FilterCombo, GW_CHILD)) {
        request.lpszText = const_cast<char*>("顔文字フィルタ");
    }
}
