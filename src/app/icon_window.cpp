#include "app/icon_window.h"

#include "resource.h"

namespace {

INT_PTR CALLBACK IconWindowProc(HWND window, UINT message, WPARAM, LPARAM)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC context = BeginPaint(window, &paint);
        DrawIcon(context, 0, 0, LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PICKER)));
        EndPaint(window, &paint);
    }
    return FALSE;
}

} // namespace

HWND CreateIconWindow(HWND pickerWindow)
{
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ICON_WINDOW),
                              pickerWindow, IconWindowProc, 0);
}
