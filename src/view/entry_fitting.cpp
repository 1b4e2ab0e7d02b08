#include "view/entry_fitting.h"

#include <windows.h>

#include "resource.h"
#include "shell/process_state.h"
#include "shell/wide_text.h"
#include "store/face_lists.h"
#include "store/face_store.h"
#include "view/edit_working_copy.h"
#include "view/entry_text.h"
#include "view/picker_fill.h"

namespace {

// An entry Shift-JIS cannot decode keeps its bytes, shown as any invalid byte is: decoded, its
// undecodable bytes would become ・ for good.
void TurnIntoUtf8(TextList& list)
{
    for (std::string& entry : list) {
        if (IsWholeShiftJis(entry)) {
            entry = Utf8FromWide(WideFromShiftJis(entry));
        }
    }
}

} // namespace

std::string EntryForFaceList(const std::wstring& text)
{
    if (!FitsFaceList(text)) {
        for (TextList* list : {&FaceList, &TagList, &EditRowFaces, &EditRowTags}) {
            TurnIntoUtf8(*list);
        }
        NoteFaceListsChanged();
        WriteFaceFileAsUtf8();
        RefreshPicker();
        PostMessageW(PickerWindow, WM_COMMAND, CMD_FACE_LIST_NOW_UTF8, 0);
    }
    return EntryFromShown(text);
}
