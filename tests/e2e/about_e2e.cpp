// The about box shows the version, and each web button hands its page to the browser and closes
// the box. The browser is a script of the test's own, named to Wine's browser launcher.
#include <gtest/gtest.h>

#include "resource.h"
#include "scenario.h"
#include "version.h"

namespace {

using AboutBox = PickerScenario;

// Wine's own export: the host path of a Windows path.
std::string UnixPathOf(const std::string& windowsPath)
{
    using ToUnix = char*(CDECL*)(const wchar_t*);
    auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* unixPath = toUnix != nullptr ? toUnix(wide.c_str()) : nullptr;
    std::string result = unixPath != nullptr ? unixPath : "";
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

// The launcher's setting lives in the test prefix only as long as the test.
struct BrowserSetting {
    HKEY key = nullptr;
    ~BrowserSetting()
    {
        RegDeleteValueA(key, "Browsers");
        RegCloseKey(key);
    }
};

TEST_F(AboutBox, ShowsTheVersionAndEachWebButtonOpensItsPageAndCloses)
{
    Prepare({{"browser.sh", "printf '%s\\n' \"$2\" >> \"$1\"\n"}});
    std::string browser = "/bin/sh \"" + UnixPathOf(dir.PathOf("browser.sh")) + "\" \"" +
                          UnixPathOf(dir.Path()) + "/browser.log\"";
    BrowserSetting setting;
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", 0, nullptr, 0,
                    KEY_ALL_ACCESS, nullptr, &setting.key, nullptr);
    RegSetValueExA(setting.key, "Browsers", 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(browser.c_str()),
                   static_cast<DWORD>(browser.size() + 1));
    ASSERT_TRUE(Launch());

    const struct {
        int button;
        std::string address;
    } buttons[] = {
        {IDC_HOME_PAGE, "https://vemplor.invalid/\n"},
        {IDC_MAIL_FORM, "https://vemplor.invalid/mail.php\n"},
        {IDC_UPDATE_CHECK,
         "https://vemplor.invalid/update/update.php?Software=Vemplor&Version=" +
             std::to_string(VEMPLOR_VERSION_MAJOR) + std::to_string(VEMPLOR_VERSION_MINOR) +
             std::to_string(VEMPLOR_VERSION_PATCH) + "\n"},
    };
    std::string expectedLog;
    for (const auto& button : buttons) {
        SCOPED_TRACE(button.button);
        HWND box = OpenDialogFromMenu(CentreOf(windows.faceCombo), 'A', "バージョン情報");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(ControlText(GetDlgItem(box, IDC_VERSION_LINE)),
                  std::string("Version ") + VersionText + " (" + VersionDate + ")");
        ClickControl(GetDlgItem(box, button.button));
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); })) << "the button closes the box";
        expectedLog += button.address;
        EXPECT_TRUE(WaitUntil([&] { return dir.Read("browser.log") == expectedLog; }));
    }
}

} // namespace
