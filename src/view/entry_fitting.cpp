#include "view/entry_fitting.h"

#include <windows.h>

#include <algorithm>

#include "resource.h"
#include "shell/process_state.h"
#include "shell/wide_text.h"
#include "store/face_adding.h"
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

void TurnFaceListsIntoUtf8()
{
    for (TextList* list : {&FaceList, &TagList, &EditRowFaces, &EditRowTags}) {
        TurnIntoUtf8(*list);
    }
    NoteFaceListsChanged();
    WriteFaceFileAsUtf8();
    RefreshPicker();
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

std::string EntryForFaceList(const std::wstring& text)
{
    if (!FitsFaceList(text)) {
        TurnFaceListsIntoUtf8();
        PostMessageW(PickerWindow, WM_COMMAND, CMD_FACE_LIST_NOW_UTF8, 0);
    }
    return EntryFromShown(text);
}

std::size_t AddUtf8EntriesToFaceList(const TextList& faces, const TextList& tags,
                                     bool& turnedIntoUtf8)
{
    turnedIntoUtf8 = false;
    if (FaceListEncoding() == TextEncoding::ShiftJis) {
        // Which entries are missing is asked of a UTF-8 copy, where every face compares; only
        // those need to fit.
        TextList heldFaces = FaceList;
        TurnIntoUtf8(heldFaces);
        TextList heldTags(heldFaces.size());
        std::size_t held = heldFaces.size();
        AppendMissingFaces(heldFaces, heldTags, faces, tags);
        TextList missingFaces(heldFaces.begin() + held, heldFaces.end());
        TextList missingTags(heldTags.begin() + held, heldTags.end());
        if (FitShiftJis(missingFaces) && FitShiftJis(missingTags)) {
            return AppendMissingFaces(FaceList, TagList, ShiftJisFromUtf8(missingFaces),
                                      ShiftJisFromUtf8(missingTags));
        }
        TurnFaceListsIntoUtf8();
        turnedIntoUtf8 = true;
    }
    return AppendMissingFaces(FaceList, TagList, faces, tags);
}

void FaceListsAsUtf8(TextList& faces, TextList& tags)
{
    faces = FaceList;
    tags = TagList;
    if (FaceListEncoding() == TextEncoding::ShiftJis) {
        TurnIntoUtf8(faces);
        TurnIntoUtf8(tags);
    }
}

// A Shift-JIS entry the plan does not touch keeps its own bytes: only what the plan adds is
// converted.
void ApplyUtf8ImportPlan(const ImportPlan& plan, bool& turnedIntoUtf8)
{
    turnedIntoUtf8 = false;
    if (FaceListEncoding() == TextEncoding::ShiftJis) {
        if (FitShiftJis(plan.newFaces) && FitShiftJis(plan.newTags) && FitShiftJis(plan.tagAdditions)) {
            ApplyImportPlan(FaceList, TagList, ShiftJisPlan(plan));
            return;
        }
        TurnFaceListsIntoUtf8();
        turnedIntoUtf8 = true;
    }
    ApplyImportPlan(FaceList, TagList, plan);
}
