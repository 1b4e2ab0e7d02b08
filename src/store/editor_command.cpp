#include "store/editor_command.h"

std::string EditorCommandLine(const std::string& editorPath, const std::string& filePath)
{
    return "\"" + editorPath + "\" \"" + filePath + "\"";
}
