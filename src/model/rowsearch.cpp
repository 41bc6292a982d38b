// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/rowsearch.h"

#include "model/blockitem.h"
#include "model/placement.h"
#include "model/sheet.h"

int RowSearch::nextFreeRow(const Sheet &sheet, const BlockItem &block, int step)
{
    for (int row = block.id() + step; row >= 0; row += step) {
        if (!Placement::isUsableRow(Placement::forTerm(block.term()).pitch, row))
            return -1;
        if (sheet.isRowFree(block.term(), row))
            return row;
    }
    return -1;
}

int RowSearch::rowToward(const Sheet &sheet, const BlockItem &block, int targetY)
{
    const int pitch = Placement::forTerm(block.term()).pitch;
    if (pitch <= 0)
        return -1;
    const int top = block.position().y();
    const int step = targetY >= top ? 1 : -1;
    int found = -1;
    for (int row = block.id(); row >= 0 && Placement::isUsableRow(pitch, row); row += step) {
        const int bandTop = top + pitch * (row - block.id());
        const bool reached = step > 0 ? targetY < bandTop + pitch : targetY >= bandTop;
        if (row != block.id() && sheet.isRowFree(block.term(), row))
            found = row;
        if (reached)
            break;
    }
    return found;
}
