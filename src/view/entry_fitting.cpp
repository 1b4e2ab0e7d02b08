#include "view/entry_fitting.h"

#include <windows.h>

#include <algorithm>

#include "resource.h"
#include "shell/wide_text.h"
#include "store/face_adding.h"
#include "view/entry_text.h"
#include "view/picker_fill.h"

namespace {

// An entry Shift-JIS cannot decode keeps its bytes, shown as any invalid byte is: decoded, its
// undecodable bytes would become ・ for good. One wide buffer serves every entry.
void TurnIntoUtf8(TextList& list)
{
    std::wstring wide;
    for (std::string& entry : list) {
        if (IsWholeShiftJis(entry)) {
            WideFromShiftJisInto(entry.data(), entry.size(), wide);
            entry = Utf8FromWide(wide);
        }
    }
}

void TurnFaceListsIntoUtf8(PickerView& view, FaceLists& lists, bool readingSearch)
{
    for (TextList* list :
         {&lists.FaceList, &lists.TagList, &view.EditRowFaces, &view.EditRowTags}) {
        TurnIntoUtf8(*list);
    }
    NoteFaceListsChanged(lists);
    WriteFaceFileAsUtf8(lists);
    RefreshPicker(view, lists, readingSearch);
}

// The texts in Shift-JIS; false as soon as one does not fit it exactly (encoded and decoded
// again it would not come back the same).
bool ShiftJisFromUtf8(const TextList& utf8Texts, TextList& shiftJis)
{
    std::wstring wide;
    std::wstring back;
    shiftJis.clear();
    shiftJis.reserve(utf8Texts.size());
    for (const std::string& text : utf8Texts) {
        WideFromUtf8Into(text.data(), text.size(), wide);
        shiftJis.push_back(ShiftJisFromWide(wide));
        WideFromShiftJisInto(shiftJis.back().data(), shiftJis.back().size(), back);
        if (back != wide) {
            return false;
        }
    }
    return true;
}

bool ShiftJisPlanOf(const ImportPlan& plan, ImportPlan& shiftJis)
{
    shiftJis.taggedEntries = plan.taggedEntries;
    return ShiftJisFromUtf8(plan.newFaces, shiftJis.newFaces) &&
           ShiftJisFromUtf8(plan.newTags, shiftJis.newTags) &&
           ShiftJisFromUtf8(plan.tagAdditions, shiftJis.tagAdditions);
}

} // namespace

std::string EntryForFaceList(PickerView& view, FaceLists& lists, bool readingSearch,
                             const std::wstring& text)
{
    if (!FitsFaceList(text, FaceListEncoding(lists))) {
        TurnFaceListsIntoUtf8(view, lists, readingSearch);
        PostMessageW(view.PickerWindow, WM_COMMAND, CMD_FACE_LIST_NOW_UTF8, 0);
    }
    return EntryFromShown(text, FaceListEncoding(lists));
}

std::size_t AddUtf8EntriesToFaceList(PickerView& view, FaceLists& lists, bool readingSearch,
                                     const TextList& faces, const TextList& tags,
                                     bool& turnedIntoUtf8)
{
    turnedIntoUtf8 = false;
    if (FaceListEncoding(lists) == TextEncoding::ShiftJis) {
        // Which entries are missing is asked of a UTF-8 copy, where every face compares; only
        // those need to fit.
        TextList heldFaces = lists.FaceList;
        TurnIntoUtf8(heldFaces);
        TextList heldTags(heldFaces.size());
        std::size_t held = heldFaces.size();
        AppendMissingFaces(heldFaces, heldTags, faces, tags);
        TextList missingFaces(heldFaces.begin() + held, heldFaces.end());
        TextList missingTags(heldTags.begin() + held, heldTags.end());
        TextList shiftJisFaces;
        TextList shiftJisTags;
        if (ShiftJisFromUtf8(missingFaces, shiftJisFaces) &&
            ShiftJisFromUtf8(missingTags, shiftJisTags)) {
            return AppendMissingFaces(lists.FaceList, lists.TagList, shiftJisFaces, shiftJisTags);
        }
        TurnFaceListsIntoUtf8(view, lists, readingSearch);
        turnedIntoUtf8 = true;
    }
    return AppendMissingFaces(lists.FaceList, lists.TagList, faces, tags);
}

void FaceListsAsUtf8(const FaceLists& lists, TextList& faces, TextList& tags)
{
    faces = lists.FaceList;
    tags = lists.TagList;
    if (FaceListEncoding(lists) == TextEncoding::ShiftJis) {
        TurnIntoUtf8(faces);
        TurnIntoUtf8(tags);
    }
}

// A Shift-JIS entry the plan does not touch keeps its own bytes: only what the plan adds is
// converted.
void ApplyUtf8ImportPlan(PickerView& view, FaceLists& lists, bool readingSearch,
                         const ImportPlan& plan, bool& turnedIntoUtf8)
{
    turnedIntoUtf8 = false;
    if (FaceListEncoding(lists) == TextEncoding::ShiftJis) {
        ImportPlan shiftJisPlan;
        if (ShiftJisPlanOf(plan, shiftJisPlan)) {
            ApplyImportPlan(lists.FaceList, lists.TagList, shiftJisPlan);
            return;
        }
        TurnFaceListsIntoUtf8(view, lists, readingSearch);
        turnedIntoUtf8 = true;
    }
    ApplyImportPlan(lists.FaceList, lists.TagList, plan);
}
