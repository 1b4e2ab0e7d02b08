#include "view/combo_items.h"

#include "view/picker_fill.h"

namespace {

const TextList& SourceOf(const PickerView& view, const FaceLists& lists, HWND combo)
{
    if (combo == view.FilterCombo) {
        return lists.FilterList;
    }
    if (combo == view.FaceCombo) {
        return ShownFaces(view, lists);
    }
    return lists.FaceList;
}

} // namespace

std::string ComboItemText(const PickerView& view, const FaceLists& lists, HWND combo,
                          LRESULT index)
{
    const TextList& source = SourceOf(view, lists, combo);
    if (index < 0 || static_cast<std::size_t>(index) >= source.size()) {
        return {};
    }
    return source[static_cast<std::size_t>(index)].c_str();
}
