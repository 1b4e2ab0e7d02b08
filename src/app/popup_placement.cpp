#include "app/popup_placement.h"

#include <algorithm>

namespace {
const long UsefulRows = 8;
// The list box's frame, top and bottom together.
const long ListFrame = 2;
} // namespace

PopupPlacement PlacePopup(const PopupMetrics& metrics)
{
    const ScreenRect& work = metrics.workArea;
    long width = std::min(metrics.width, work.right - work.left);
    long left = std::max(work.left, std::min(metrics.cursor.x, work.right - width));
    long top = std::max(work.top, std::min(metrics.cursor.y, work.bottom - metrics.fieldHeight));
    long bottom = top + metrics.fieldHeight;

    long rows = std::max(1L, metrics.itemCount);
    long usefulHeight = std::min(rows, UsefulRows) * metrics.itemHeight + ListFrame;
    PopupPlacement placement = {{left, top, left + width, bottom},
                                {left, bottom, left + width, work.bottom}};
    if (work.bottom - bottom < usefulHeight) {
        long everyRow = rows * metrics.itemHeight + ListFrame;
        placement.list = {left, std::max(work.top, top - everyRow), left + width, top};
    }
    return placement;
}
