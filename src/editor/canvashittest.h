// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/canvasgesture.h"
#include "model/placement.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

class BlockItem;
class Sheet;

// The canvas's decisions about points and drag keys, as pure functions:
// which column a press falls in, whether a press on a block draws a wire or
// moves it, which drops create a block, and which blocks a rubber band
// selects.
class CanvasHitTest
{
public:
    // A press at most this far left of an output point starts a wire.
    static constexpr int wireGrip = 10;

    // Presses above this y hit the column headers.
    static bool inHeaderStrip(const QPoint &point);
    // The block of the column at the press whose picture holds the point,
    // or null.
    static BlockItem *blockAt(const Sheet &sheet, const QPoint &point);
    // DrawingWire for a press at most 10 px left of the block's output
    // point, else Moving; PreLabel definers and the output column always move.
    static CanvasGesture pressGesture(const BlockItem &block, const QPoint &press);
    // Keys that create a block: palette kinds and label-bar names.
    static bool isNewBlockKey(const QString &key);
    // The rubber band from press to drop; a band starting left of x 30 or
    // above y 100 reaches the canvas edge.
    static QRect bandRect(const QPoint &press, const QPoint &drop);
    // Blocks of the sheet whose top-left corner lies in the band.
    static QList<BlockItem *> blocksInBand(const Sheet &sheet, const QRect &band);
    // Blocks in column order, then row order.
    static void sortByColumnAndRow(QList<BlockItem *> &blocks);
};
