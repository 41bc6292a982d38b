// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/canvashover.h"

#include "editor/canvashittest.h"
#include "editor/canvasoverlay.h"
#include "editor/programwidget.h"
#include "model/blockitem.h"
#include "render/blocktext.h"

#include <QHelpEvent>
#include <QToolTip>
#include <optional>

CanvasHover::CanvasHover(ProgramWidget &canvas, CanvasOverlay &overlay)
    : QObject(&canvas), m_canvas(canvas), m_overlay(overlay)
{
    // Moves without a button show what a press would do.
    canvas.setMouseTracking(true);
    canvas.installEventFilter(this);
}

void CanvasHover::hover(const QPoint &point)
{
    BlockItem *block = m_canvas.blockAt(point);
    const bool onGrip = block && CanvasHitTest::pressGesture(*block, point) == CanvasGesture::DrawingWire;
    m_overlay.setGrip(onGrip ? block : nullptr);
    if (onGrip)
        m_canvas.setCursor(Qt::CrossCursor);
    else if (block)
        m_canvas.setCursor(Qt::SizeAllCursor);
    else
        m_canvas.unsetCursor();
}

QString CanvasHover::toolTipAt(const QPoint &point) const
{
    if (const BlockItem *block = m_canvas.blockAt(point))
        return BlockText::toolTip(*block, m_canvas.design());
    const std::optional<WireMap::Wire> wire = m_canvas.wireMap().wireAt(point);
    if (wire && wire->source)
        return BlockText::wireToolTip(*wire->source, *wire->destination, m_canvas.design());
    return QString();
}

bool CanvasHover::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_canvas)
        return false;
    if (event->type() == QEvent::Leave)
        m_overlay.setGrip(nullptr);
    if (event->type() != QEvent::ToolTip)
        return false;
    auto *help = static_cast<QHelpEvent *>(event);
    const QString text = toolTipAt(m_canvas.view().toSheet(help->pos()));
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, &m_canvas);
    return true;
}
