// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class BlockItem;
class Sheet;

// Where a block moves within its column: rows are searched from the block's
// row in the direction of the move, occupied rows are skipped, and only
// usable rows count. Results are rows, or -1 when the block cannot move.
class RowSearch
{
public:
    // The next free row above (step -1) or below (step +1).
    static int nextFreeRow(const Sheet &sheet, const BlockItem &block, int step);
    // The free row whose band holds targetY (pixels, the y the block's top
    // would reach), or the last free row before it; -1 when targetY lies in
    // the block's own band or no row on the way is free.
    static int rowToward(const Sheet &sheet, const BlockItem &block, int targetY);
};
