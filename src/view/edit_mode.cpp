#include "view/edit_mode.h"

#include "view/edit_list_view.h"
#include "view/picker_fill.h"

void FillEditRows(PickerView& view, const FaceLists& lists)
{
    view.EditRowFaces = lists.FaceList;
    view.EditRowTags = lists.TagList;
    ShowEditRows(view);
}

void ReadBackEditList(PickerView& view, FaceLists& lists, const SettingsRecord& settings,
                      bool editMode)
{
    if (!editMode) {
        return;
    }
    CommitAndCloseRowEditors(view, lists, settings);
    lists.FaceList = view.EditRowFaces;
    lists.TagList = view.EditRowTags;
    NoteFaceListsChanged(lists);
}

void ShowChangedLists(PickerView& view, const FaceLists& lists, const SettingsRecord& settings,
                      bool editMode)
{
    RefreshPicker(view, lists, settings.ReadingSearch != 0);
    if (editMode) {
        FillEditRows(view, lists);
    }
}
