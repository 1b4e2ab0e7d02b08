#include "app/icon_window.h"

#include "resource.h"
#include "shell/process_state.h"

namespace {

INT_PTR CALLBACK IconWindowProc(HWND window, UINT message, WPARAM, LPARAM)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC context = BeginPaint(window, &paint);
        DrawIcon(context, 0, 0, LoadIconW(AppInstance, MAKEINTRESOURCEW(IDI_PICKER)));
        EndPaint(window, &paint);
    }
    return FALSE;
}

} // namespace

void CreateIconWindow(HWND pickerWindow)
{
    IconWindow = CreateDialogParamW(AppInstance, MAKEINTRESOURCEW(IDD_ICON_WINDOW), pickerWindow,
                                    IconWindowProc, 0);
}
