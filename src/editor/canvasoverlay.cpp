// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/canvasoverlay.h"

#include "editor/canvashittest.h"
#include "editor/canvasview.h"
#include "editor/gesturecontroller.h"
#include "model/blockitem.h"

#include <QPainter>

CanvasOverlay::CanvasOverlay(QWidget *canvas, const CanvasView &view,
                             const GestureController &gestures)
    : QWidget(canvas), m_view(view), m_gestures(gestures)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void CanvasOverlay::setGrip(const BlockItem *block)
{
    if (block == m_grip)
        return;
    m_grip = block;
    update();
}

QRect CanvasOverlay::gripRect(const BlockItem &block)
{
    const int right = block.outputPoint().x();
    return QRect(QPoint(right - CanvasHitTest::wireGrip, block.position().y()),
                 QPoint(right, block.position().y() + block.size().height() - 1));
}

void CanvasOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setTransform(m_view.transform());
    if (m_grip)
        painter.fillRect(gripRect(*m_grip), QColor(255, 140, 0, 150));
    m_gestures.paint(painter);
}
