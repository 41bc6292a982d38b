// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/canvasgesture.h"

#include <QList>
#include <QPoint>
#include <QString>

class BlockItem;
class BlockMover;
class CanvasSelection;
class DesignEdits;
class QPainter;
class Sheet;

// The canvas's press-move-release gestures as a state: a left press starts
// one, every move follows it and draws its feedback, the release ends it:
// a band selects, a move moves the selection, a wire connects.
class GestureController
{
public:
    // What a release did: the design changed, or a warning for the user.
    struct Outcome
    {
        bool changed = false;
        QString warning;
    };

    GestureController(Sheet &sheet, DesignEdits &edits, CanvasSelection &selection,
                      BlockMover &mover);

    CanvasGesture gesture() const;
    // A left press on empty canvas starts a band.
    void pressOnCanvas(const QPoint &press);
    // A left press on a block: near its output a wire from its output point,
    // else a move.
    void pressOnBlock(BlockItem *block, const QPoint &press);
    // True when a gesture follows the point (the canvas repaints).
    bool move(const QPoint &to);
    Outcome release(const QPoint &to);
    // The block went away: a wire from it is dropped.
    void forget(const BlockItem *block);
    // The blocks that would take the wire being drawn, highlighted until
    // the release.
    void setWireTargets(const QList<BlockItem *> &targets);
    const QList<BlockItem *> &wireTargets() const { return m_targets; }
    // The gesture's feedback, in sheet coordinates.
    void paint(QPainter &painter) const;

private:
    void start(CanvasGesture gesture, const QPoint &from, BlockItem *source = nullptr);
    Outcome connectWire(const QPoint &to) const;
    void paintWireTargets(QPainter &painter) const;

    Sheet &m_sheet;
    DesignEdits &m_edits;
    CanvasSelection &m_selection;
    BlockMover &m_mover;
    CanvasGesture m_gesture = CanvasGesture::Idle;
    QPoint m_from;
    QPoint m_to;
    BlockItem *m_source = nullptr; // the wire's source block
    QList<BlockItem *> m_targets;
};
