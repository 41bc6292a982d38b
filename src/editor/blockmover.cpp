// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/blockmover.h"

#include "editor/canvasselection.h"
#include "model/blockitem.h"
#include "model/designedits.h"
#include "model/placement.h"
#include "model/rowsearch.h"

#include <algorithm>

BlockMover::BlockMover(Sheet &sheet, DesignEdits &edits, CanvasSelection &selection)
    : m_sheet(sheet), m_edits(edits), m_selection(selection)
{
}

bool BlockMover::moveByDrag(const QPoint &press, const QPoint &drop)
{
    const QPoint offset = drop - press;
    // A click on a block is no move, and so no edit.
    if (offset.isNull())
        return false;
    BlockItem *current = m_selection.currentBlock();
    if (m_selection.blocks().isEmpty() && current) {
        const BlockKind kind = current->kind();
        const int postLogicX = Placement::columnX(SheetColumn::PostLogic);
        if ((kind == BlockKind::Label && drop.x() < postLogicX)
            || (kind == BlockKind::PreLabel && drop.x() >= postLogicX))
            return changeLabelSide(kind == BlockKind::Label);
    }
    return moveBlocks(offset.y() >= 0 ? 1 : -1, [&](BlockItem *block) {
        return RowSearch::rowToward(m_sheet, *block, block->position().y() + offset.y());
    });
}

bool BlockMover::moveByRows(int step)
{
    return moveBlocks(step, [&](BlockItem *block) { return RowSearch::nextFreeRow(m_sheet, *block, step); });
}

bool BlockMover::changeLabelSide(bool toLeft)
{
    const BlockKind from = toLeft ? BlockKind::Label : BlockKind::PreLabel;
    BlockItem *current = m_selection.currentBlock();
    if (!m_selection.blocks().isEmpty() || !current || current->kind() != from)
        return false;
    BlockItem *moved = m_edits.changeLabelSide(current);
    if (!moved)
        return false;
    m_selection.setCurrentBlock(moved);
    return true;
}

bool BlockMover::moveBlocks(int step, const std::function<int(BlockItem *)> &targetRow)
{
    // The block furthest in the direction of the move goes first, so the
    // others keep their order behind it.
    QList<BlockItem *> ordered = m_selection.blocksToMove();
    if (step > 0)
        std::reverse(ordered.begin(), ordered.end());
    bool moved = false;
    for (BlockItem *block : std::as_const(ordered)) {
        const int row = targetRow(block);
        if (row >= 0)
            moved = m_edits.moveBlock(block, row) || moved;
    }
    return moved;
}
