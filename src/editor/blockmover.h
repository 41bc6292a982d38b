// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <functional>

class BlockItem;
class CanvasSelection;
class DesignEdits;
class Sheet;

// Moves what is selected on a canvas (the selection, else the current
// block) along its column, by a drag offset or by free rows, and carries a
// label across the post-logic edge. Each returns whether anything moved.
class BlockMover
{
public:
    BlockMover(Sheet &sheet, DesignEdits &edits, CanvasSelection &selection);

    // A move gesture from `press` to `drop`; a lone label dropped on the
    // other side of the post-logic edge changes side instead.
    bool moveByDrag(const QPoint &press, const QPoint &drop);
    // One free row up (-1) or down (+1), keeping the blocks' order.
    bool moveByRows(int step);
    // The current label to the pre-logic side (toLeft) or back.
    bool changeLabelSide(bool toLeft);

private:
    bool moveBlocks(int step, const std::function<int(BlockItem *)> &targetRow);

    Sheet &m_sheet;
    DesignEdits &m_edits;
    CanvasSelection &m_selection;
};
