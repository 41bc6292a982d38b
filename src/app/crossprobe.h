// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class BlockItem;
class DesignDocument;
class SheetTabs;
class SimulateWindow;
class UndoStack;

// Cross-probing between the Simulate window and the canvases: a row's block
// is selected on its sheet, the current block's row is marked, and every
// recorded edit step tells the window that the design changed.
class CrossProbe : public QObject
{
    Q_OBJECT
public:
    // All outlive this object, which the window owns.
    CrossProbe(DesignDocument &document, SheetTabs &tabs, const UndoStack &history,
               SimulateWindow &simulate, QObject *parent);

    // Shows the block's sheet with the block current; a block the document
    // no longer holds is left alone.
    void selectBlockOnSheet(const BlockItem *block);

private:
    void markCurrentBlock();

    DesignDocument &m_document;
    SheetTabs &m_tabs;
    SimulateWindow &m_simulate;
};
