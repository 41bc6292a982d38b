// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QTransform>

// The one transform between a sheet's coordinates (the placement's pixels,
// in which blocks, wires and hit tests are reckoned) and a canvas widget's
// pixels: a uniform zoom. Painting applies it; mouse and drop positions are
// mapped back through it once, where the events come in.
class CanvasView
{
public:
    static constexpr double minZoom = 0.25;
    static constexpr double maxZoom = 4.0;

    double zoom() const { return m_zoom; }
    // Clamped to minZoom..maxZoom; false when the zoom stays as it was.
    bool setZoom(double zoom);
    // The next step of the zoom ladder up (steps > 0) or down.
    static double steppedZoom(double zoom, int steps);
    // The zoom at which a sheet of `sheet` size fits into `viewport`.
    static double fittingZoom(const QSize &sheet, const QSize &viewport);

    QTransform transform() const { return QTransform::fromScale(m_zoom, m_zoom); }
    QPoint toSheet(const QPointF &widgetPoint) const;
    QPoint toWidget(const QPoint &sheetPoint) const;
    QRect toWidget(const QRect &sheetRect) const;
    QSize toWidget(const QSize &sheetSize) const;

private:
    double m_zoom = 1.0;
};
