// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/canvasselection.h"

#include "editor/canvashittest.h"
#include "model/blockitem.h"
#include "model/sheet.h"

#include <utility>

CanvasSelection::CanvasSelection(const Sheet &sheet, ShowHighlight show, QObject *parent)
    : QObject(parent), m_sheet(sheet), m_show(std::move(show))
{
}

BlockItem *CanvasSelection::currentBlock() const
{
    return m_current;
}

void CanvasSelection::setCurrentBlock(BlockItem *block)
{
    BlockItem *previous = std::exchange(m_current, block);
    if (previous)
        m_show(previous, isHighlighted(previous));
    if (block)
        m_show(block, true);
}

const QList<BlockItem *> &CanvasSelection::blocks() const
{
    return m_blocks;
}

void CanvasSelection::set(const QList<BlockItem *> &blocks)
{
    const QList<BlockItem *> previous = std::exchange(m_blocks, blocks);
    for (BlockItem *block : previous)
        m_show(block, isHighlighted(block));
    CanvasHitTest::sortByColumnAndRow(m_blocks);
    refresh();
    emit itemSelect(!m_blocks.isEmpty());
}

void CanvasSelection::selectAll()
{
    set(m_sheet.blocks());
}

void CanvasSelection::clear()
{
    set({});
}

QList<BlockItem *> CanvasSelection::blocksToMove() const
{
    if (!m_blocks.isEmpty() || !m_current)
        return m_blocks;
    return {m_current};
}

bool CanvasSelection::isHighlighted(const BlockItem *block) const
{
    return block == m_current || m_blocks.contains(block);
}

void CanvasSelection::refresh()
{
    for (BlockItem *block : std::as_const(m_blocks))
        m_show(block, true);
}

void CanvasSelection::press(Qt::KeyboardModifiers modifiers, BlockItem *pressed)
{
    m_wireSelected = false;
    if (modifiers & Qt::ControlModifier) {
        // Ctrl-presses build a selection block by block.
        QList<BlockItem *> grown = blocksToMove();
        if (pressed && !grown.contains(pressed))
            grown << pressed;
        set(grown);
    } else if (modifiers & Qt::ShiftModifier) {
        if (!m_anchor)
            m_anchor = m_current;
        if (pressed && m_anchor)
            set(CanvasHitTest::blocksInBand(
                m_sheet, CanvasHitTest::bandRect(m_anchor->position(), pressed->position())));
    } else {
        m_anchor = pressed;
        if (pressed && !m_blocks.contains(pressed))
            clear();
    }
}

void CanvasSelection::forget(const BlockItem *block)
{
    m_blocks.removeAll(const_cast<BlockItem *>(block));
    if (m_current == block) {
        m_current = nullptr;
        m_wireSelected = false;
    }
    if (m_anchor == block)
        m_anchor = nullptr;
}

void CanvasSelection::selectWire(const QLine &wire, BlockItem *destination)
{
    m_wireSelected = true;
    m_current = destination;
    m_wire = wire;
}

void CanvasSelection::clearWire()
{
    m_wireSelected = false;
}

bool CanvasSelection::isWireSelected() const
{
    return m_wireSelected;
}

QLine CanvasSelection::selectedWire() const
{
    return m_wireSelected ? m_wire : QLine();
}
