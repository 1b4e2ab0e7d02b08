#include "view/edit_list_view.h"

WNDPROC OriginalListViewProc;

LRESULT CALLBACK EditListViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcA(OriginalListViewProc, window, message, wParam, lParam);
}
