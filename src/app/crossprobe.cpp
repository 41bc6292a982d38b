// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/crossprobe.h"

#include "app/sheettabs.h"
#include "app/undostack.h"
#include "editor/programwidget.h"
#include "model/blockitem.h"
#include "waveform/simulatewindow.h"

#include <QTimer>

CrossProbe::CrossProbe(SheetTabs &tabs, const UndoStack &history, SimulateWindow &simulate,
                       QObject *parent)
    : QObject(parent), m_tabs(tabs), m_simulate(simulate)
{
    connect(&history, &UndoStack::changed, &simulate, &SimulateWindow::designChanged);
    connect(&simulate, &SimulateWindow::blockChosen, &tabs, &SheetTabs::showBlock);
    connect(&tabs, &SheetTabs::itemSelect, this, &CrossProbe::markCurrentBlock);
}

void CrossProbe::markCurrentBlock()
{
    // The canvas reports a selection before it settles on its current block.
    QTimer::singleShot(0, &m_simulate, [this] {
        if (ProgramWidget *canvas = m_tabs.currentCanvas())
            m_simulate.highlightBlock(canvas->selection().currentBlock());
    });
}
