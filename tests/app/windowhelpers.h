// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class BlockItem;
class MainWindow;
class QAction;

// Small steps the application tests take on a main window.
namespace WindowHelpers {

QAction *action(MainWindow &window, const char *name);
// Places a block of the term at a row of a sheet (-1: the lowest free one)
// through the edit API; named kinds get the design's next free name. Null
// when refused.
BlockItem *addBlock(MainWindow &window, const QString &term, int sheet, int row);
// The open design as the document writer puts it.
QByteArray written(MainWindow &window);
// Empty when every counted resource agrees with the blocks and connections
// of the design; else the first disagreement.
QString resourceMismatch(MainWindow &window);
// Test-mode data and settings locations, without recovery files of
// earlier runs.
void isolatePaths();

} // namespace WindowHelpers
