// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

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
    CrossProbe(SheetTabs &tabs, const UndoStack &history, SimulateWindow &simulate,
               QObject *parent);

private:
    void markCurrentBlock();

    SheetTabs &m_tabs;
    SimulateWindow &m_simulate;
};
