// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/crossprobe.h"

#include "app/sheettabs.h"
#include "app/undostack.h"
#include "editor/canvasselection.h"
#include "editor/programwidget.h"
#include "io/designdocument.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "waveform/simulatewindow.h"

#include <QTimer>

#include <algorithm>

CrossProbe::CrossProbe(DesignDocument &document, SheetTabs &tabs, const UndoStack &history,
                       SimulateWindow &simulate, QObject *parent)
    : QObject(parent), m_document(document), m_tabs(tabs), m_simulate(simulate)
{
    connect(&history, &UndoStack::changed, &simulate, &SimulateWindow::designChanged);
    connect(&simulate, &SimulateWindow::blockChosen, this, &CrossProbe::selectBlockOnSheet);
    connect(&tabs, &SheetTabs::itemSelect, this, &CrossProbe::markCurrentBlock);
}

void CrossProbe::selectBlockOnSheet(const BlockItem *block)
{
    // The row may name a block of an earlier state of the document: only a
    // block the model still holds is selected.
    const QList<BlockItem *> blocks = m_document.model().allBlocks();
    const auto found = std::find(blocks.begin(), blocks.end(), block);
    if (found == blocks.end())
        return;
    m_tabs.selectSheet((*found)->sheet());
    if (ProgramWidget *canvas = m_tabs.currentCanvas()) {
        canvas->selection().clear();
        canvas->selection().setCurrentBlock(*found);
    }
}

void CrossProbe::markCurrentBlock()
{
    // The canvas reports a selection before it settles on its current block.
    QTimer::singleShot(0, &m_simulate, [this] {
        if (ProgramWidget *canvas = m_tabs.currentCanvas())
            m_simulate.highlightBlock(canvas->selection().currentBlock());
    });
}
