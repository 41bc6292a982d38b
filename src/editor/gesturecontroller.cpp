#include "editor/gesturecontroller.h"

#include "editor/blockiconpainter.h"
#include "editor/canvashittest.h"
#include "model/blockitem.h"

#include <QPainter>
#include <utility>

CanvasGesture GestureController::gesture() const
{
    return m_state.gesture;
}

void GestureController::press(CanvasGesture gesture, const QPoint &from, BlockItem *source)
{
    m_state = Finished{gesture, from, from, source};
}

bool GestureController::move(const QPoint &to)
{
    if (m_state.gesture == CanvasGesture::Idle)
        return false;
    m_state.to = to;
    return true;
}

GestureController::Finished GestureController::release(const QPoint &to)
{
    move(to);
    return std::exchange(m_state, Finished{});
}

void GestureController::forget(const BlockItem *block)
{
    if (m_state.source == block)
        m_state = Finished{};
}

void GestureController::paint(QPainter &painter, const QList<BlockItem *> &moving) const
{
    switch (m_state.gesture) {
    case CanvasGesture::DrawingWire:
        painter.setPen(Qt::cyan);
        painter.drawLine(m_state.from, m_state.to);
        break;
    case CanvasGesture::Selecting:
        painter.setPen(BlockIconPainter::selectionColour());
        painter.setBrush(BlockIconPainter::selectionColour());
        painter.drawRect(CanvasHitTest::bandRect(m_state.from, m_state.to));
        painter.setBrush(Qt::NoBrush);
        break;
    case CanvasGesture::Moving:
        painter.setPen(Qt::cyan);
        for (const BlockItem *block : moving)
            painter.drawRect(QRect(block->position() + m_state.to - m_state.from, block->size()));
        break;
    case CanvasGesture::Idle:
        break;
    }
}
