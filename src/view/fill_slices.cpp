#include "view/fill_slices.h"

#include <algorithm>

std::size_t RowsOnScreen(long screenHeight, long itemHeight, std::size_t total)
{
    if (itemHeight <= 0 || screenHeight <= 0) {
        return total;
    }
    std::size_t rows = static_cast<std::size_t>(screenHeight / itemHeight) + 1;
    return std::min(rows, total);
}

void NoteHanded(PendingFills& fills, void* control, const TextList& source,
                std::size_t handed)
{
    fills.erase(std::remove_if(fills.begin(), fills.end(),
                               [control](const PendingFill& fill) {
                                   return fill.control == control;
                               }),
                fills.end());
    if (handed < source.size()) {
        fills.push_back(PendingFill{control, &source, handed});
    }
}

const PendingFill* FillOf(const PendingFills& fills, void* control)
{
    for (const PendingFill& fill : fills) {
        if (fill.control == control) {
            return &fill;
        }
    }
    return nullptr;
}

std::size_t EndThrough(const PendingFill& fill, std::size_t index)
{
    return std::max(fill.handed, std::min(index + 1, fill.source->size()));
}
