#pragma once

#include "editor/canvasgesture.h"

#include <QList>
#include <QPoint>

class BlockItem;
class QPainter;

// The canvas's press-move-release gestures as a state: a left press starts
// one, every move follows it and draws its feedback, the release ends it and
// says what was drawn. What the gesture does to the design is the canvas's.
class GestureController
{
public:
    struct Finished
    {
        CanvasGesture gesture = CanvasGesture::Idle;
        QPoint from;
        QPoint to;
        BlockItem *source = nullptr; // the wire's source block
    };

    CanvasGesture gesture() const;
    // source: the block a wire starts from; its gesture begins at its output.
    void press(CanvasGesture gesture, const QPoint &from, BlockItem *source = nullptr);
    // True when a gesture follows the point (the canvas repaints).
    bool move(const QPoint &to);
    Finished release(const QPoint &to);
    // The block went away: a wire from it is dropped.
    void forget(const BlockItem *block);
    // moving: the blocks a move carries, drawn as outlines at the offset.
    void paint(QPainter &painter, const QList<BlockItem *> &moving) const;

private:
    Finished m_state;
};
