#include "about/about_box.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "about/about_pages.h"
#include "resource.h"
#include "shell/wide_text.h"
#include "version.h"

namespace {

void InitAboutBox(HWND box)
{
    wchar_t versionLine[64];
    wsprintfW(versionLine, L"Version %S (%S)", VersionText, VersionDate);
    SetDlgItemTextW(box, IDC_VERSION_LINE, versionLine);
    SetDlgItemTextW(box, IDC_HOME_PAGE, WideFromShiftJis(HomePageAddress()).c_str());
}

// The browser's failure to start is not the box's business: it closes all the same.
void OpenPageAndClose(HWND box, const std::string& address)
{
    ShellExecuteW(nullptr, L"open", WideFromShiftJis(address).c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
    EndDialog(box, IDOK);
}

void OnAboutCommand(HWND box, int id)
{
    switch (id) {
    case IDOK: EndDialog(box, IDOK); break;
    case IDCANCEL: EndDialog(box, IDCANCEL); break;
    case IDC_HOME_PAGE: OpenPageAndClose(box, HomePageAddress()); break;
    case IDC_MAIL_FORM: OpenPageAndClose(box, MailFormAddress()); break;
    case IDC_UPDATE_CHECK: OpenPageAndClose(box, UpdateCheckAddress(VersionText)); break;
    }
}

} // namespace

INT_PTR CALLBACK AboutBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: InitAboutBox(box); break;
    case WM_COMMAND: OnAboutCommand(box, LOWORD(wParam)); break;
    }
    return FALSE;
}
