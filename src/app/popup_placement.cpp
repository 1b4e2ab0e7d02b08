#include "app/popup_placement.h"

#include <algorithm>

namespace {
const long UsefulRows = 8;
// At a caret the list stays small, as a list of suggestions beside the text does.
const long RowsAtCaret = 12;
// The list box's frame, top and bottom together.
const long ListFrame = 2;

long ListHeight(long rows, const PopupMetrics& metrics)
{
    return std::max(1L, rows) * metrics.itemHeight + ListFrame;
}

PopupPlacement PlaceAtCursor(const PopupMetrics& metrics, long left, long width)
{
    const ScreenRect& work = metrics.workArea;
    long top = std::max(work.top, std::min(metrics.cursor.y, work.bottom - metrics.fieldHeight));
    long bottom = top + metrics.fieldHeight;
    PopupPlacement placement = {{left, top, left + width, bottom},
                                {left, bottom, left + width, work.bottom}};
    if (work.bottom - bottom < ListHeight(std::min(metrics.itemCount, UsefulRows), metrics)) {
        long everyRow = ListHeight(metrics.itemCount, metrics);
        placement.list = {left, std::max(work.top, top - everyRow), left + width, top};
    }
    return placement;
}

PopupPlacement PlaceAtCaret(const PopupMetrics& metrics, long left, long width)
{
    const ScreenRect& work = metrics.workArea;
    const ScreenRect& caret = metrics.caret;
    long listHeight = ListHeight(std::min(metrics.itemCount, RowsAtCaret), metrics);
    long roomBelow = work.bottom - caret.bottom;
    long roomAbove = caret.top - work.top;
    if (roomBelow >= metrics.fieldHeight + listHeight || roomBelow >= roomAbove) {
        long top = std::max(work.top, std::min(caret.bottom, work.bottom - metrics.fieldHeight));
        long bottom = top + metrics.fieldHeight;
        return {{left, top, left + width, bottom},
                {left, bottom, left + width, std::min(work.bottom, bottom + listHeight)}};
    }
    long top = std::min(work.bottom - metrics.fieldHeight,
                        std::max(work.top, caret.top - metrics.fieldHeight));
    return {{left, top, left + width, top + metrics.fieldHeight},
            {left, std::max(work.top, top - listHeight), left + width, top}};
}

} // namespace

PopupPlacement PlacePopup(const PopupMetrics& metrics)
{
    const ScreenRect& work = metrics.workArea;
    long width = std::min(metrics.width, work.right - work.left);
    long x = metrics.caretKnown ? metrics.caret.left : metrics.cursor.x;
    long left = std::max(work.left, std::min(x, work.right - width));
    return metrics.caretKnown ? PlaceAtCaret(metrics, left, width)
                              : PlaceAtCursor(metrics, left, width);
}
