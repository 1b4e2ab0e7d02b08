// Editing the list files in the user's own editor: the picker saves the list, steps aside while
// the editor runs, and afterwards shows what the files hold, whatever became of the editor.
#include <gtest/gtest.h>

#include "harness.h"

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

    ASSERT_TRUE(ChooseFromContextMenu(windows, 'I'));
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

    editor.Reopen();
    ASSERT_TRUE(ChooseFromContextMenu(windows, 'F'));
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
        dir.Write(FaceFile, "\t(^_^)\n");
        ASSERT_TRUE(ChooseFromContextMenu(windows, 'I'));
        ASSERT_TRUE(WaitUntil([&] { return dir.Read(FaceFile) == "\t(^_^)"; })) << "saved";
        // Answered once the command has run to its end.
        DWORD_PTR ignored = 0;
        ASSERT_NE(SendMessageTimeoutA(windows.picker, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &ignored), 0);
        EXPECT_TRUE(IsWindowVisible(windows.picker));
        EXPECT_EQ(ComboItems(windows.faceCombo), std::vector<std::string>{"(^_^)"});
    }
}

} // namespace
