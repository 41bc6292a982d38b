// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/canvasview.h"

#include <QtMath>
#include <algorithm>
#include <iterator>

namespace {

// Rounded steps, so that the user comes back to 100 % and finds 150 %.
const double kLadder[] = {0.25, 0.33, 0.5, 0.67, 0.75, 0.9, 1.0, 1.1,
                          1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0};

} // namespace

bool CanvasView::setZoom(double zoom)
{
    const double clamped = std::clamp(zoom, minZoom, maxZoom);
    if (qFuzzyCompare(clamped, m_zoom))
        return false;
    m_zoom = clamped;
    return true;
}

double CanvasView::steppedZoom(double zoom, int steps)
{
    // From a zoom between two steps (a fitted one), the first step goes to
    // the neighbour in that direction.
    const auto begin = std::begin(kLadder);
    const auto end = std::end(kLadder);
    const long next = steps > 0 ? std::upper_bound(begin, end, zoom + 1e-3) - begin + steps - 1
                                : std::lower_bound(begin, end, zoom - 1e-3) - begin + steps;
    return kLadder[std::clamp(next, 0L, long(std::size(kLadder)) - 1)];
}

double CanvasView::fittingZoom(const QSize &sheet, const QSize &viewport)
{
    if (sheet.isEmpty() || viewport.isEmpty())
        return 1.0;
    const double zoom = std::min(double(viewport.width()) / sheet.width(),
                                 double(viewport.height()) / sheet.height());
    return std::clamp(zoom, minZoom, maxZoom);
}

QPoint CanvasView::toSheet(const QPointF &widgetPoint) const
{
    // Down, not to the nearest: a pixel belongs to the sheet pixel it covers.
    return QPoint(qFloor(widgetPoint.x() / m_zoom), qFloor(widgetPoint.y() / m_zoom));
}

QPoint CanvasView::toWidget(const QPoint &sheetPoint) const
{
    return QPoint(qRound(sheetPoint.x() * m_zoom), qRound(sheetPoint.y() * m_zoom));
}

QRect CanvasView::toWidget(const QRect &sheetRect) const
{
    return QRect(toWidget(sheetRect.topLeft()), toWidget(sheetRect.size()));
}

QSize CanvasView::toWidget(const QSize &sheetSize) const
{
    return QSize(qRound(sheetSize.width() * m_zoom), qRound(sheetSize.height() * m_zoom));
}
