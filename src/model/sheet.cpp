// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/sheet.h"

#include "model/blockitem.h"

Sheet::Sheet(int index, const QString &caption, QObject *parent)
    : QObject(parent), m_index(index), m_caption(caption)
{
}

void Sheet::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    emit captionChanged(caption);
}

const Sheet::ColumnMap &Sheet::column(SheetColumn column) const
{
    static const ColumnMap none;
    if (column == SheetColumn::None)
        return none;
    return m_columns[static_cast<size_t>(column)];
}

Sheet::ColumnMap &Sheet::columnOf(SheetColumn column)
{
    return m_columns[static_cast<size_t>(column)];
}

QList<BlockItem *> Sheet::blocks() const
{
    QList<BlockItem *> all;
    for (const ColumnMap &map : m_columns)
        all += map.values();
    return all;
}

BlockItem *Sheet::blockAt(SheetColumn column, int row) const
{
    return this->column(column).value(row, nullptr);
}

bool Sheet::contains(const BlockItem *block) const
{
    int row = 0;
    return findColumn(block, &row) != SheetColumn::None;
}

bool Sheet::isRowFree(const QString &term, int row) const
{
    const PlacementRule rule = Placement::forTerm(term);
    return rule.isPlaceable() && Placement::isUsableRow(rule.pitch, row)
           && !column(rule.column).contains(row);
}

int Sheet::lowestFreeRow(const QString &term) const
{
    const PlacementRule rule = Placement::forTerm(term);
    if (!rule.isPlaceable())
        return -1;
    const ColumnMap &map = column(rule.column);
    for (int row = 0; Placement::isUsableRow(rule.pitch, row); ++row) {
        if (!map.contains(row))
            return row;
    }
    return -1;
}

bool Sheet::place(BlockItem *block)
{
    if (!block || contains(block) || !isRowFree(block->term(), block->id()))
        return false;
    const PlacementRule rule = Placement::forTerm(block->term());
    columnOf(rule.column).insert(block->id(), block);
    block->setPosition(rule.position(block->id()));
    emit blockPlaced(block);
    return true;
}

bool Sheet::moveTo(BlockItem *block, int row)
{
    int oldRow = 0;
    const SheetColumn column = findColumn(block, &oldRow);
    if (column == SheetColumn::None || !isRowFree(block->term(), row))
        return false;
    const PlacementRule rule = Placement::forTerm(block->term());
    if (rule.column != column)
        return false;
    ColumnMap &map = columnOf(column);
    map.remove(oldRow);
    map.insert(row, block);
    block->setRow(row);
    block->setPosition(rule.position(row));
    emit blockMoved(block);
    return true;
}

bool Sheet::remove(BlockItem *block)
{
    int row = 0;
    const SheetColumn column = findColumn(block, &row);
    if (column == SheetColumn::None)
        return false;
    columnOf(column).remove(row);
    emit blockRemoved(block);
    return true;
}

SheetColumn Sheet::findColumn(const BlockItem *block, int *row) const
{
    // A placed block sits in its kind's column at row id(): the column maps
    // are only changed by place, moveTo and remove, which keep it so.
    const SheetColumn column = block ? block->traits().column : SheetColumn::None;
    if (column == SheetColumn::None || this->column(column).value(block->id()) != block)
        return SheetColumn::None;
    *row = block->id();
    return column;
}
