// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLine>
#include <QList>
#include <QObject>
#include <functional>

class BlockItem;
class Sheet;

// What is selected on one canvas: the current block (the last one pressed
// or placed), the blocks of a band or of Ctrl- and Shift-presses, or one
// wire. Highlighting goes through the canvas's `show` callback.
class CanvasSelection : public QObject
{
    Q_OBJECT
public:
    using ShowHighlight = std::function<void(BlockItem *block, bool highlighted)>;

    CanvasSelection(const Sheet &sheet, ShowHighlight show, QObject *parent = nullptr);

    BlockItem *currentBlock() const;
    void setCurrentBlock(BlockItem *block);
    // Kept in column order, then row order: moves and copies rely on it.
    const QList<BlockItem *> &blocks() const;
    void set(const QList<BlockItem *> &blocks);
    void selectAll();
    void clear();
    // The selected blocks, or the current block when nothing is selected.
    QList<BlockItem *> blocksToMove() const;
    // The current block and the selected ones show the selection colour.
    bool isHighlighted(const BlockItem *block) const;
    // Shows the selected blocks highlighted again (the canvas came back).
    void refresh();
    // A press on `pressed` (null: on empty canvas): Ctrl adds it, Shift
    // selects the band from the anchor to it, a plain press moves the
    // anchor. Any press drops the wire selection.
    void press(Qt::KeyboardModifiers modifiers, BlockItem *pressed);
    // The block left the sheet.
    void forget(const BlockItem *block);

    // A wire selection: its destination becomes the current block.
    void selectWire(const QLine &wire, BlockItem *destination);
    void clearWire();
    bool isWireSelected() const;
    QLine selectedWire() const; // empty when no wire is selected

signals:
    void itemSelect(bool selected);

private:
    const Sheet &m_sheet;
    ShowHighlight m_show;
    QList<BlockItem *> m_blocks;
    BlockItem *m_current = nullptr;
    // The anchor of Shift ranges: the block last pressed without Shift.
    BlockItem *m_anchor = nullptr;
    bool m_wireSelected = false;
    QLine m_wire;
};
