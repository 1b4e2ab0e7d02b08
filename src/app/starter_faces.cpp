#include "app/starter_faces.h"

#include <string>

#include "app/utf8_notice.h"
#include "resource.h"
#include "store/face_file.h"
#include "store/text_encoding.h"
#include "view/edit_mode.h"
#include "view/entry_fitting.h"

namespace {

// The starter list's file as it was built into the program, in UTF-8.
std::string StarterListText()
{
    HINSTANCE program = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(IDR_STARTER_LIST), RT_RCDATA);
    HGLOBAL loaded = found != nullptr ? LoadResource(program, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return std::string();
    }
    ListFileForm form;
    return DecodeListFile(
        std::string(static_cast<const char*>(bytes), SizeofResource(program, found)), form);
}

} // namespace

// In edit mode the rows are taken into the lists first and made again with the new entries.
void AddStarterFaces(PickerState& state)
{
    HWND pickerWindow = state.view.PickerWindow;
    TextList faces;
    TextList tags;
    ParseFaceText(StarterListText(), faces, tags);
    ReadBackEditList(state.view, state.lists, state.settings, state.modes.EditMode);
    bool turnedIntoUtf8 = false;
    std::size_t added =
        AddUtf8EntriesToFaceList(state.view, state.lists, state.settings.ReadingSearch != 0,
                                 faces, tags, turnedIntoUtf8);
    if (added > 0) {
        NoteFaceListsChanged(state.lists);
        ShowChangedLists(state.view, state.lists, state.settings, state.modes.EditMode);
    }
    std::wstring message = added > 0 ? L"顔文字を " + std::to_wstring(added) + L" 件追加しました。"
                                     : L"追加する顔文字はありません。";
    MessageBoxW(pickerWindow, message.c_str(), L"顔文字セットを追加", MB_OK | MB_ICONINFORMATION);
    if (turnedIntoUtf8) {
        TellFaceListIsUtf8(pickerWindow);
    }
}
