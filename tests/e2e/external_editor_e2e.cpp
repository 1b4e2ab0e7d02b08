// Editing the list files in the user's own editor: the picker saves the list, steps aside while
// the editor runs, and afterwards shows what the files hold, whatever became of the editor.
#include <gtest/gtest.h>

#include "harness.h"

#include <commctrl.h>

namespace {

const std::string FaceFile = "Vemplor.txt";
const std::string FilterFile = "Filter.txt";
const std::string EditorLog = "editor-calls.log";
const char* const ClassesKey = "Software\\Classes";
const char* const TestProgId = "VemplorTestEditor";

// The program that opens .txt files, replaced for one test. Wine ignores the user's own
// associations, so this one goes into the machine's classes; the old one is put back afterwards.
// An empty command leaves the file type without any program.
class TextFileAssociation {
public:
    explicit TextFileAssociation(const std::string& openCommand)
    {
        char previous[256] = "";
        LONG size = sizeof previous;
        hadPrevious_ = RegQueryValueA(HKEY_LOCAL_MACHINE, Key(".txt").c_str(), previous, &size) ==
                       ERROR_SUCCESS;
        previous_ = previous;
        Set(".txt", TestProgId);
        Set(TestProgId, "Vemplor test editor");
        if (!openCommand.empty()) {
            Set(std::string(TestProgId) + "\\shell\\open\\command", openCommand);
        }
    }
    ~TextFileAssociation()
    {
        for (const char* key : {"\\shell\\open\\command", "\\shell\\open", "\\shell", ""}) {
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, Key(std::string(TestProgId) + key).c_str());
        }
        if (hadPrevious_) {
            Set(".txt", previous_);
        } else {
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, Key(".txt").c_str());
        }
    }
    TextFileAssociation(const TextFileAssociation&) = delete;
    TextFileAssociation& operator=(const TextFileAssociation&) = delete;

private:
    static std::string Key(const std::string& name) { return std::string(ClassesKey) + "\\" + name; }
    static void Set(const std::string& name, const std::string& value)
    {
        RegSetValueA(HKEY_LOCAL_MACHINE, Key(name).c_str(), REG_SZ, value.c_str(),
                     static_cast<DWORD>(value.size()));
    }
    bool hadPrevious_ = false;
    std::string previous_;
};

// The fake editor, installed under a path with spaces and registered for .txt files. It stays
// open until Close(), as a user's editor stays open until the user closes it.
class FakeEditor {
public:
    FakeEditor()
        : path_(folder_.PathOf("fake editor.exe")),
          closeEvent_(CreateEventA(nullptr, TRUE, FALSE, "VemplorFakeEditorClose")),
          association_("\"" + path_ + "\" \"%1\"")
    {
        CopyFileA(VEMPLOR_FAKE_EDITOR_PATH, path_.c_str(), FALSE);
    }
    ~FakeEditor()
    {
        SetEvent(closeEvent_);
        WaitUntil([&] { return DeleteFileA(path_.c_str()) != 0; }, 5000);
        CloseHandle(closeEvent_);
    }
    FakeEditor(const FakeEditor&) = delete;
    FakeEditor& operator=(const FakeEditor&) = delete;

    // The arguments of the editor the picker started in dir, one a line, once it runs; empty
    // when none started. The log is removed for the next start.
    std::string WaitForStart(const WorkDir& dir) const
    {
        std::string log;
        WaitUntil([&] { return dir.Read(EditorLog, log); });
        DeleteFileA(dir.PathOf(EditorLog).c_str());
        return log;
    }
    void Close() const { SetEvent(closeEvent_); }
    void Reopen() const { ResetEvent(closeEvent_); }

private:
    WorkDir folder_{"editor folder"};
    std::string path_;
    HANDLE closeEvent_;
    TextFileAssociation association_;
};

void SetFilterText(const PickerWindows& windows, const char* filter)
{
    SendMessageA(windows.filterEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(filter));
    SendMessageA(windows.picker, WM_COMMAND, MAKEWPARAM(0, CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(windows.filterCombo));
}

TEST(ExternalEditor, TheEditedFilesShowInThePickerWithSpacesInEveryPath)
{
    WorkDir dir("list folder");
    dir.Write(FaceFile, "cat\t(=^.^=)\n\t(^_^)\n\t(;_;)\n");
    dir.Write(FilterFile, "cat\n");
    FakeEditor editor;
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    const PickerWindows& windows = picker.Windows();
    SetFilterText(windows, "^");
    ASSERT_EQ(WindowTitle(windows.picker), "Vemplor 登録数[2/3]");

    ASSERT_TRUE(ChooseFromContextMenu(windows.faceCombo, 'I'));
    EXPECT_EQ(editor.WaitForStart(dir), dir.PathOf(FaceFile) + "\n")
        << "one argument, the list's full path";
    EXPECT_FALSE(IsWindowVisible(windows.picker)) << "the picker steps aside";
    EXPECT_EQ(dir.Read(FaceFile), "cat\t(=^.^=)\r\n\t(^_^)\r\n\t(;_;)") << "saved first";
    const std::string editedList = "\t(^o^)\n\t(^_^)\n\t(-_-)\nmo\tmo^\n";
    dir.Write(FaceFile, editedList);
    editor.Close();
    ASSERT_TRUE(WaitUntil([&] { return WindowTitle(windows.picker) == "Vemplor 登録数[3/4]"; }))
        << WindowTitle(windows.picker);
    EXPECT_TRUE(IsWindowVisible(windows.picker));
    EXPECT_EQ(ComboItems(windows.faceCombo), (std::vector<std::string>{"(^o^)", "(^_^)", "mo^"}));
    EXPECT_FALSE(dir.Exists("Vemplor.unsaved.txt")) << "the list was saved: nothing to keep aside";

    editor.Reopen();
    ASSERT_TRUE(ChooseFromContextMenu(windows.faceCombo, 'F'));
    EXPECT_EQ(editor.WaitForStart(dir), dir.PathOf(FilterFile) + "\n");
    EXPECT_FALSE(IsWindowVisible(windows.picker));
    dir.Write(FilterFile, "cat\r\n^_");
    editor.Close();
    ASSERT_TRUE(WaitUntil([&] {
        return ComboItems(windows.filterCombo) == std::vector<std::string>{"cat", "^_"};
    }));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(windows.picker) != FALSE; }));
    EXPECT_EQ(WindowTitle(windows.picker), "Vemplor 登録数[3/4]") << "the typed filter stays";
    EXPECT_EQ(dir.Read(FaceFile), editedList) << "editing the filters does not save the list";
}

TEST(ExternalEditor, ThePickerComesBackWhenNoEditorCanBeStarted)
{
    WorkDir dir;
    dir.Write(FaceFile, "\t(^_^)\n");
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    const PickerWindows& windows = picker.Windows();

    struct EditorCase {
        const char* what;
        const char* openCommand;
    };
    const EditorCase cases[] = {
        {"the associated program is missing", "\"C:\\no such folder\\missing editor.exe\" \"%1\""},
        {"no program is associated", ""},
    };
    for (const EditorCase& editorCase : cases) {
        SCOPED_TRACE(editorCase.what);
        TextFileAssociation association(editorCase.openCommand);
        // Without the file, the save before the editor is seen by the file coming back.
        DeleteFileA(dir.PathOf(FaceFile).c_str());
        ASSERT_TRUE(ChooseFromContextMenu(windows.faceCombo, 'I'));
        ASSERT_TRUE(WaitUntil([&] { return dir.Read(FaceFile) == "\t(^_^)"; })) << "saved";
        // Answered once the command has run to its end.
        DWORD_PTR ignored = 0;
        ASSERT_NE(SendMessageTimeoutA(windows.picker, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &ignored), 0);
        EXPECT_TRUE(IsWindowVisible(windows.picker));
        EXPECT_EQ(ComboItems(windows.faceCombo), std::vector<std::string>{"(^_^)"});
    }
}

TEST(ExternalEditor, InEditModeTheEditorGetsTheRowsAndTheRowsShowTheEditedFile)
{
    WorkDir dir;
    dir.Write(FaceFile, "smile\t(^_^)\n");
    FakeEditor editor;
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    const PickerWindows& windows = picker.Windows();
    ASSERT_TRUE(ChooseFromContextMenu(windows.faceCombo, 'E'));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(windows.editListView) != FALSE; }));
    ASSERT_TRUE(ChooseFromContextMenu(windows.editListView, 'N'));
    ASSERT_TRUE(WaitUntil([&] { return SendMessageA(windows.editListView, LVM_GETITEMCOUNT, 0, 0) == 2; }));

    ASSERT_TRUE(ChooseFromContextMenu(windows.editListView, 'I'));
    EXPECT_FALSE(editor.WaitForStart(dir).empty());
    EXPECT_EQ(dir.Read(FaceFile), "smile\t(^_^)\r\n\t") << "the new blank row is a lone TAB line";
    dir.Write(FaceFile, "\ta\n\tb\n\tc\n");
    editor.Close();
    ASSERT_TRUE(WaitUntil([&] { return WindowTitle(windows.picker) == "Vemplor 登録数[3/3]"; }))
        << WindowTitle(windows.picker);
    EXPECT_EQ(SendMessageA(windows.editListView, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_TRUE(IsWindowVisible(windows.editListView)) << "edit mode stays on";
}

TEST(ExternalEditor, AChangeMadeAfterTheEditorHasEndedIsNotWrittenOver)
{
    WorkDir dir;
    dir.Write(FaceFile, "\t(^_^)\n");
    FakeEditor editor;
    // An editor that hands the file to an instance already running ends at once.
    editor.Close();
    RunningPicker picker(dir);
    ASSERT_TRUE(picker.Started());
    ASSERT_TRUE(ChooseFromContextMenu(picker.Windows().faceCombo, 'I'));
    EXPECT_FALSE(editor.WaitForStart(dir).empty());
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(picker.Picker()) != FALSE; }));

    // The user saves in that other instance a moment later.
    dir.Write(FaceFile, "\t(^_^)\n\t(new)\n");
    picker.RequestClose();
    ASSERT_EQ(picker.WaitForExit(), 0);
    // Read back (and perhaps saved again in the program's own form), never written over.
    EXPECT_NE(dir.Read(FaceFile).find("\t(new)"), std::string::npos) << dir.Read(FaceFile);
}

} // namespace
