// Editing the list files in the user's own editor: the picker saves the list, waits for the
// editor, and then shows what the files hold, whatever became of the editor.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

const std::string FaceFile = "Vemplor.txt";
const std::string NextEdit = "next.txt";
const char* const TextFileKey = "Software\\Classes\\.txt";
const char* const TestProgIdKey = "Software\\Classes\\VemplorTestEditor";

// The program that opens .txt files, for one test. Wine reads associations only from the
// machine's classes; the old one is put back afterwards (a fresh prefix has none).
class TextFileAssociation {
public:
    explicit TextFileAssociation(const std::string& openCommand)
    {
        LONG size = sizeof previous_;
        hadPrevious_ =
            RegQueryValueA(HKEY_LOCAL_MACHINE, TextFileKey, previous_, &size) == ERROR_SUCCESS;
        std::string commandKey = std::string(TestProgIdKey) + "\\shell\\open\\command";
        RegSetValueA(HKEY_LOCAL_MACHINE, TextFileKey, REG_SZ, "VemplorTestEditor", 0);
        RegSetValueA(HKEY_LOCAL_MACHINE, commandKey.c_str(), REG_SZ, openCommand.c_str(), 0);
    }
    ~TextFileAssociation()
    {
        if (hadPrevious_) {
            RegSetValueA(HKEY_LOCAL_MACHINE, TextFileKey, REG_SZ, previous_, 0);
        } else {
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, TextFileKey);
        }
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, TestProgIdKey);
    }

private:
    bool hadPrevious_ = false;
    char previous_[256] = "";
};

// The picker's thread answers once the command it runs has ended.
bool CommandFinished(HWND picker)
{
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(picker, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &ignored) != 0;
}

TEST(ExternalEditor, TheEditedFilesShowInThePickerAndALaterChangeIsNotWrittenOver)
{
    WorkDir dir("list folder");
    WorkDir editorFolder("editor folder");
    const std::string editor = editorFolder.PathOf("fake editor.exe");
    CopyFileA(VEMPLOR_FAKE_EDITOR_PATH, editor.c_str(), FALSE);
    TextFileAssociation association("\"" + editor + "\" \"%1\"");
    dir.Write(FaceFile, "cat\t(=^.^=)\n\t(^_^)\n");
    dir.Write("Filter.txt", "cat\n");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    const PickerWindows& windows = picker.Windows();
    SendMessageA(windows.filterEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("^"));
    SendMessageA(windows.picker, WM_COMMAND, MAKEWPARAM(0, CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(windows.filterCombo));

    // Spaces in both paths: the editor still gets the list's path as its one argument.
    dir.Write(NextEdit, "\t(^o^)\n\t(-_-)\nmo\tmo^\n");
    ASSERT_TRUE(ChooseFromContextMenu(windows.faceCombo, 'I'));
    ASSERT_TRUE(WaitUntil([&] { return WindowTitle(windows.picker) == "Vemplor 登録数[2/3]"; }))
        << WindowTitle(windows.picker);
    EXPECT_TRUE(IsWindowVisible(windows.picker));
    EXPECT_EQ(ComboItems(windows.faceCombo), (std::vector<std::string>{"(^o^)", "mo^"}));

    dir.Write(NextEdit, "cat\r\n^_");
    ASSERT_TRUE(ChooseFromContextMenu(windows.faceCombo, 'F'));
    EXPECT_TRUE(WaitUntil([&] {
        return ComboItems(windows.filterCombo) == std::vector<std::string>{"cat", "^_"};
    }));
    EXPECT_EQ(WindowTitle(windows.picker), "Vemplor 登録数[2/3]");

    // An editor that hands the file to an instance already running ends at once; the user
    // saves there a moment later, and the picker must not write over that at exit.
    dir.Write(NextEdit, dir.Read(FaceFile));
    ASSERT_TRUE(ChooseFromContextMenu(windows.faceCombo, 'I'));
    ASSERT_TRUE(WaitUntil([&] { return !dir.Exists(NextEdit); }));
    ASSERT_TRUE(CommandFinished(windows.picker));
    dir.Write(FaceFile, "\t(^o^)\n\t(new)\n");
    picker.RequestClose();
    ASSERT_EQ(picker.WaitForExit(), 0);
    EXPECT_NE(dir.Read(FaceFile).find("\t(new)"), std::string::npos) << dir.Read(FaceFile);
}

TEST(ExternalEditor, ThePickerComesBackWhenNoEditorCanBeStarted)
{
    WorkDir dir;
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    for (const char* openCommand : {"\"C:\\no such folder\\editor.exe\" \"%1\"", ""}) {
        SCOPED_TRACE(openCommand);
        TextFileAssociation association(openCommand);
        // With no list file, the save before the editor shows as the file appearing.
        DeleteFileA(dir.PathOf(FaceFile).c_str());
        ASSERT_TRUE(ChooseFromContextMenu(picker.Windows().faceCombo, 'I'));
        ASSERT_TRUE(WaitUntil([&] { return dir.Exists(FaceFile); }));
        ASSERT_TRUE(CommandFinished(picker.Picker()));
        EXPECT_TRUE(IsWindowVisible(picker.Picker()));
    }
}

} // namespace
