// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/placement.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <array>

class BlockItem;

// One sheet of the design: its caption and the five column maps (row -> block).
// The sheet does not own its blocks (the DesignModel does); it only knows where
// they sit. The canvas showing the sheet follows it through the signals.
class Sheet : public QObject
{
    Q_OBJECT
public:
    using ColumnMap = QMap<int, BlockItem *>;

    Sheet(int index, const QString &caption, QObject *parent = nullptr);

    int index() const { return m_index; }
    // Only the SheetSet renumbers its sheets.
    void setIndex(int index) { m_index = index; }
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    const ColumnMap &column(SheetColumn column) const;
    // Every block, column by column left to right, each column in row order:
    // the order documents are written in, so every driver precedes its users.
    QList<BlockItem *> blocks() const;
    BlockItem *blockAt(SheetColumn column, int row) const;
    bool contains(const BlockItem *block) const;

    // A row is free when it is usable for the column's pitch and unoccupied.
    bool isRowFree(const QString &term, int row) const;
    // Lowest free row for a block of this term, searched from row 0; -1 when
    // the term has no column or the column is full.
    int lowestFreeRow(const QString &term) const;

    // Enters the block at row id() of its term's column and sets its position.
    // Refused (false, nothing changed) for a term without a column, a row that
    // is not free, or a block already on the sheet.
    bool place(BlockItem *block);
    // Moves a placed block to another free row of its column; id and position follow.
    bool moveTo(BlockItem *block, int row);
    // Forgets the block; false when it is not on this sheet.
    bool remove(BlockItem *block);

signals:
    void captionChanged(const QString &caption);
    void blockPlaced(BlockItem *block);
    void blockMoved(BlockItem *block);
    void blockRemoved(BlockItem *block);

private:
    ColumnMap &columnOf(SheetColumn column);
    // Column and row currently holding the block, or None.
    SheetColumn findColumn(const BlockItem *block, int *row) const;

    int m_index;
    QString m_caption;
    std::array<ColumnMap, Placement::columnCount> m_columns;
};
