#include "view/combo_items.h"

#include "store/face_lists.h"
#include "view/picker_controls.h"
#include "view/picker_fill.h"

namespace {

const TextList& SourceOf(HWND combo)
{
    if (combo == FilterCombo) {
        return FilterList;
    }
    if (combo == FaceCombo) {
        return ShownFaces();
    }
    return FaceList;
}

} // namespace

std::string ComboItemText(HWND combo, LRESULT index)
{
    const TextList& source = SourceOf(combo);
    if (index < 0 || static_cast<std::size_t>(index) >= source.size()) {
        return {};
    }
    return source[static_cast<std::size_t>(index)].c_str();
}
