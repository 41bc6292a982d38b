// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/gesturecontroller.h"

#include "render/blockpainter.h"
#include "editor/blockmover.h"
#include "editor/canvashittest.h"
#include "editor/canvasselection.h"
#include "model/blockitem.h"
#include "model/designedits.h"
#include "model/sheet.h"

#include <QPainter>
#include <utility>

GestureController::GestureController(Sheet &sheet, DesignEdits &edits, CanvasSelection &selection,
                                     BlockMover &mover)
    : m_sheet(sheet), m_edits(edits), m_selection(selection), m_mover(mover)
{
}

CanvasGesture GestureController::gesture() const
{
    return m_gesture;
}

void GestureController::start(CanvasGesture gesture, const QPoint &from, BlockItem *source)
{
    m_gesture = gesture;
    m_from = m_to = from;
    m_source = source;
    m_targets.clear();
}

void GestureController::pressOnCanvas(const QPoint &press)
{
    start(CanvasGesture::Selecting, press);
}

void GestureController::pressOnBlock(BlockItem *block, const QPoint &press)
{
    if (CanvasHitTest::pressGesture(*block, press) == CanvasGesture::DrawingWire)
        start(CanvasGesture::DrawingWire, block->outputPoint(), block);
    else
        start(CanvasGesture::Moving, press);
}

bool GestureController::move(const QPoint &to)
{
    if (m_gesture == CanvasGesture::Idle)
        return false;
    m_to = to;
    return true;
}

GestureController::Outcome GestureController::release(const QPoint &to)
{
    move(to);
    const CanvasGesture finished = std::exchange(m_gesture, CanvasGesture::Idle);
    m_targets.clear();
    switch (finished) {
    case CanvasGesture::Selecting:
        m_selection.set(CanvasHitTest::blocksInBand(m_sheet, CanvasHitTest::bandRect(m_from, m_to)));
        return {};
    case CanvasGesture::Moving:
        return {m_mover.moveByDrag(m_from, m_to), QString()};
    case CanvasGesture::DrawingWire:
        return connectWire(m_to);
    case CanvasGesture::Idle:
        break;
    }
    return {};
}

GestureController::Outcome GestureController::connectWire(const QPoint &to) const
{
    // A release near the output ends in the source's own column, where no
    // wire can end.
    const WireRules::DropResult result = m_edits.dropWire(m_source->name(), m_sheet.index(), to);
    return {result.connected(), result.warning};
}

void GestureController::forget(const BlockItem *block)
{
    if (m_source == block)
        m_gesture = CanvasGesture::Idle;
    m_targets.removeAll(const_cast<BlockItem *>(block));
}

void GestureController::setWireTargets(const QList<BlockItem *> &targets)
{
    m_targets = targets;
}

void GestureController::paint(QPainter &painter) const
{
    switch (m_gesture) {
    case CanvasGesture::DrawingWire:
        paintWireTargets(painter);
        painter.setPen(QPen(Qt::cyan, 2));
        painter.drawLine(m_from, m_to);
        break;
    case CanvasGesture::Selecting:
        painter.setPen(BlockPainter::selectionColour());
        painter.setBrush(BlockPainter::selectionColour());
        painter.drawRect(CanvasHitTest::bandRect(m_from, m_to));
        painter.setBrush(Qt::NoBrush);
        break;
    case CanvasGesture::Moving:
        painter.setPen(Qt::cyan);
        for (const BlockItem *block : m_selection.blocksToMove())
            painter.drawRect(QRect(block->position() + m_to - m_from, block->size()));
        break;
    case CanvasGesture::Idle:
        break;
    }
}

void GestureController::paintWireTargets(QPainter &painter) const
{
    // Every block that would take the wire is framed; the one under the
    // pointer is filled as well.
    const BlockItem *under = CanvasHitTest::blockAt(m_sheet, m_to);
    painter.setPen(QPen(QColor(0, 160, 0), 2));
    for (const BlockItem *target : m_targets) {
        const QRect frame = QRect(target->position(), target->size()).adjusted(-2, -2, 2, 2);
        if (target == under)
            painter.fillRect(frame, QColor(0, 200, 0, 70));
        painter.drawRect(frame);
    }
}
