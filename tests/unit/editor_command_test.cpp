#include "store/editor_command.h"

#include <gtest/gtest.h>

TEST(EditorCommand, BothPathsAreQuotedWholeSoSpacesAndLengthCannotSplitOrCutThem)
{
    EXPECT_EQ(EditorCommandLine("C:\\Program Files\\My Editor\\edit.exe",
                                "C:\\Users\\me\\My Lists\\Vemplor.txt"),
              "\"C:\\Program Files\\My Editor\\edit.exe\" \"C:\\Users\\me\\My Lists\\Vemplor.txt\"");

    std::string folder = "C:\\" + std::string(300, 'd');
    std::string line = EditorCommandLine(folder + "\\edit.exe", folder + "\\Vemplor.txt");
    EXPECT_EQ(line, "\"" + folder + "\\edit.exe\" \"" + folder + "\\Vemplor.txt\"");
}
