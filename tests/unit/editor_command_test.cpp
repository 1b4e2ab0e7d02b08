#include "store/editor_command.h"

#include <gtest/gtest.h>

TEST(EditorCommand, BothPathsAreQuotedWholeSoSpacesAndLengthCannotSplitOrCutThem)
{
    EXPECT_EQ(EditorCommandLine("C:\\Program Files\\Ed\\ed.exe", "C:\\My Lists\\Vemplor.txt"),
              "\"C:\\Program Files\\Ed\\ed.exe\" \"C:\\My Lists\\Vemplor.txt\"");
    std::string folder = "C:\\" + std::string(300, 'd');
    EXPECT_EQ(EditorCommandLine(folder + "\\ed.exe", folder + "\\Vemplor.txt"),
              "\"" + folder + "\\ed.exe\" \"" + folder + "\\Vemplor.txt\"");
}
