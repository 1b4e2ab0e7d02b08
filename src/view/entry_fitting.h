#pragma once
// Text entering the emoticon list in characters its encoding may not hold.
#include <string>

// The text as an entry of the emoticon list. A Shift-JIS list that cannot hold it exactly is
// first turned into UTF-8, the file being written so from then on: the lists, what the picker
// shows and edit mode's rows all take the new bytes, and the picker is sent
// CMD_FACE_LIST_NOW_UTF8 to tell the user.
std::string EntryForFaceList(const std::wstring& text);
