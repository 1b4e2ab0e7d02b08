// The about box: it shows the version, and each web button hands its page to the browser and
// closes the box. The browser is a script of the test's own, named to Wine's browser launcher.
#include <gtest/gtest.h>

#include "harness.h"
#include "resource.h"

namespace {

const char* const AboutCaption = "バージョン情報";
const char* const BrowserKey = "Software\\Wine\\WineBrowser";

// Wine's own export: the host path of a Windows path.
std::string UnixPathOf(const std::string& windowsPath)
{
    using UnixFileName = char*(CDECL*)(const wchar_t*);
    auto toUnix = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (toUnix == nullptr) {
        return "";
    }
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* unixPath = toUnix(wide.c_str());
    std::string result = unixPath != nullptr ? unixPath : "";
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

// Names a shell script that appends each address it is given to a log file, and restores the
// user's own browser setting afterwards.
class FakeBrowser {
public:
    explicit FakeBrowser(const WorkDir& dir) : dir_(dir)
    {
        dir_.Write("browser.sh", "printf '%s\\n' \"$2\" >> \"$1\"\n");
        std::string command = "/bin/sh \"" + UnixPathOf(dir_.PathOf("browser.sh")) + "\" \"" +
                              UnixPathOf(dir_.Path()) + "/browser.log\"";
        RegCreateKeyExA(HKEY_CURRENT_USER, BrowserKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key_, nullptr);
        DWORD size = sizeof saved_;
        hadValue_ = RegQueryValueExA(key_, "Browsers", nullptr, nullptr,
                                     reinterpret_cast<BYTE*>(saved_), &size) == ERROR_SUCCESS;
        savedSize_ = size;
        RegSetValueExA(key_, "Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>(command.size() + 1));
    }
    ~FakeBrowser()
    {
        if (hadValue_) {
            RegSetValueExA(key_, "Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(saved_),
                           savedSize_);
        } else {
            RegDeleteValueA(key_, "Browsers");
        }
        RegCloseKey(key_);
    }
    FakeBrowser(const FakeBrowser&) = delete;
    FakeBrowser& operator=(const FakeBrowser&) = delete;

    std::string Log() const
    {
        std::string log;
        dir_.Read("browser.log", log);
        return log;
    }

private:
    const WorkDir& dir_;
    HKEY key_ = nullptr;
    char saved_[1024] = {};
    DWORD savedSize_ = 0;
    bool hadValue_ = false;
};

HWND OpenAbout(const RunningPicker& picker)
{
    SetForegroundWindow(picker.Picker());
    RECT face = WindowRectOf(picker.Windows().faceCombo);
    return OpenDialogFromMenu({(face.left + face.right) / 2, (face.top + face.bottom) / 2}, 'A',
                              AboutCaption);
}

TEST(AboutBox, ShowsTheVersionAndEachWebButtonOpensItsPageAndCloses)
{
    WorkDir dir;
    FakeBrowser browser(dir);
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());

    HWND box = OpenAbout(picker);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ControlText(GetDlgItem(box, IDC_VERSION_LINE)), "Version 4.1.1 (2010/04/27)");
    ClickControl(GetDlgItem(box, IDOK));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));

    const struct {
        int button;
        const char* address;
    } pages[] = {
        {IDC_HOME_PAGE, "https://vemplor.invalid/"},
        {IDC_MAIL_FORM, "https://vemplor.invalid/mail.php"},
        {IDC_UPDATE_CHECK, "https://vemplor.invalid/update/update.php?Software=Vemplor&Version=411"},
    };
    std::string expectedLog;
    for (const auto& page : pages) {
        SCOPED_TRACE(page.address);
        box = OpenAbout(picker);
        ASSERT_NE(box, nullptr);
        ClickControl(GetDlgItem(box, page.button));
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); })) << "the button closes the box";
        expectedLog += std::string(page.address) + "\n";
        EXPECT_TRUE(WaitUntil([&] { return browser.Log() == expectedLog; })) << browser.Log();
    }
    EXPECT_TRUE(picker.Running());
}

} // namespace
