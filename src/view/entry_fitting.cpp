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
// undecodable bytes would become ・ for good.
void TurnIntoUtf8(TextList& list)
{
    for (std::string& entry : list) {
        if (IsWholeShiftJis(entry)) {
            entry = Utf8FromWide(WideFromShiftJis(entry));
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

bool FitShiftJis(const TextList& utf8Texts)
{
    return std::all_of(utf8Texts.begin(), utf8Texts.end(), [](const std::string& text) {
        return FitsShiftJis(WideFromUtf8(text));
    });
}

TextList ShiftJisFromUtf8(const TextList& utf8Texts)
{
    TextList shiftJis;
    for (const std::string& text : utf8Texts) {
        shiftJis.push_back(ShiftJisFromWide(WideFromUtf8(text)));
    }
    return shiftJis;
}

ImportPlan ShiftJisPlan(ImportPlan plan)
{
    plan.newFaces = ShiftJisFromUtf8(plan.newFaces);
    plan.newTags = ShiftJisFromUtf8(plan.newTags);
    plan.tagAdditions = ShiftJisFromUtf8(plan.tagAdditions);
    return plan;
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
        if (FitShiftJis(missingFaces) && FitShiftJis(missingTags)) {
            return AppendMissingFaces(lists.FaceList, lists.TagList, ShiftJisFromUtf8(missingFaces),
                                      ShiftJisFromUtf8(missingTags));
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
        if (FitShiftJis(plan.newFaces) && FitShiftJis(plan.newTags) &&
            FitShiftJis(plan.tagAdditions)) {
            ApplyImportPlan(lists.FaceList, lists.TagList, ShiftJisPlan(plan));
            return;
        }
        TurnFaceListsIntoUtf8(view, lists, readingSearch);
        turnedIntoUtf8 = true;
    }
    ApplyImportPlan(lists.FaceList, lists.TagList, plan);
}
