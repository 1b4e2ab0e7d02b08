// Editing the list files in the user's own editor: the picker saves the list, waits for the
// editor, and then shows what the files hold, whatever became of the editor.
#include <gtest/gtest.h>

#include "scenario.h"

namespace {

using ExternalEditor = PickerScenario;

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

TEST_F(ExternalEditor, TheEditedFilesShowInThePickerAndALaterChangeIsNotWrittenOver)
{
    WorkDir editorFolder("editor folder");
    const std::string editor = editorFolder.PathOf("fake editor.exe");
    CopyFileA(VEMPLOR_FAKE_EDITOR_PATH, editor.c_str(), FALSE);
    TextFileAssociation association("\"" + editor + "\" \"%1\"");
    Prepare({{FaceFile, "cat\t(=^.^=)\n\t(^_^)\n"}, {FilterFile, "cat\n"}}, {}, "list folder");
    ASSERT_TRUE(Launch());
    SetFilterText(windows, "^");

    // Spaces in both paths: the editor still gets the list's path as its one argument.
    dir.Write(NextEdit, "\t(^o^)\n\t(-_-)\nmo\tmo^\n");
    ASSERT_TRUE(ChooseFromContextMenu(windows.faceCombo, 'I'));
    ASSERT_TRUE(TitleBecomes(windows.picker, "Vemplor 登録数[2/3]")) << WindowTitle(windows.picker);
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
    ASSERT_TRUE(CaughtUp(windows.picker));
    dir.Write(FaceFile, "\t(^o^)\n\t(new)\n");
    ASSERT_EQ(CloseAndWait(picker), 0);
    EXPECT_NE(dir.Read(FaceFile).find("\t(new)"), std::string::npos) << dir.Read(FaceFile);
}

TEST_F(ExternalEditor, ThePickerComesBackWhenNoEditorCanBeStarted)
{
    ASSERT_TRUE(Start());
    for (const char* openCommand : {"\"C:\\no such folder\\editor.exe\" \"%1\"", ""}) {
        SCOPED_TRACE(openCommand);
        TextFileAssociation association(openCommand);
        // With no list file, the save before the editor shows as the file appearing.
        DeleteFileA(dir.PathOf(FaceFile).c_str());
        ASSERT_TRUE(ChooseFromContextMenu(windows.faceCombo, 'I'));
        ASSERT_TRUE(WaitUntil([&] { return dir.Exists(FaceFile); }));
        ASSERT_TRUE(CaughtUp(picker.Picker()));
        EXPECT_TRUE(IsWindowVisible(picker.Picker()));
    }
}

} // namespace
