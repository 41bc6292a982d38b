// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/rateplotwidget.h"

#include "device/counterrates.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

const QColor curveColours[CounterRates::counterCount] = {
    QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
    QColor(0x94, 0x67, 0xbd)};
constexpr int margin = 8;
constexpr int axisLabelWidth = 64;
constexpr double minimumSpanMs = 10000.0;
// The narrowest zoom: a few readings across the plot.
constexpr double narrowestSpanMs = 200.0;
// Per wheel notch (120 eighths of a degree).
constexpr double zoomPerNotch = 0.8;

// 1, 2 or 5 times a power of ten, at least value.
double niceCeiling(double value)
{
    if (value <= 0)
        return 1.0;
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (const double step : {1.0, 2.0, 5.0, 10.0}) {
        if (step * power >= value)
            return step * power;
    }
    return 10.0 * power;
}

} // namespace

RatePlotWidget::RatePlotWidget(const CounterRates &rates, QWidget *parent)
    : QWidget(parent)
    , m_rates(rates)
    , m_clockOrigin(QDateTime::currentDateTime())
{
    setObjectName(QStringLiteral("ratePlot"));
    setMinimumHeight(160);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setMouseTracking(true);
    setToolTip(tr("Wheel: zoom; drag: pan; click: place the cursor; double-click: live view"));
}

void RatePlotWidget::setCounters(const QStringList &names, const QStringList &rateUnits)
{
    m_names = names;
    m_rateUnits = rateUnits;
    update();
}

void RatePlotWidget::setClockOrigin(const QDateTime &origin)
{
    m_clockOrigin = origin;
}

QSize RatePlotWidget::sizeHint() const
{
    return QSize(480, 200);
}

double RatePlotWidget::largestRate() const
{
    double largest = 0.0;
    for (int counter = 0; counter < CounterRates::counterCount; ++counter) {
        for (const QPointF &point : m_rates.history(counter))
            largest = std::max(largest, point.y());
    }
    return largest;
}

double RatePlotWidget::liveSpanMs() const
{
    // Until the window is full the plot spans the readings so far.
    double earliest = double(m_rates.latestMs());
    for (int counter = 0; counter < CounterRates::counterCount; ++counter) {
        if (!m_rates.history(counter).isEmpty())
            earliest = std::min(earliest, m_rates.history(counter).first().x());
    }
    const double span = double(m_rates.latestMs()) - earliest;
    return span < minimumSpanMs ? minimumSpanMs : std::min(span, double(m_rates.windowMs()));
}

RatePlotWidget::TimeRange RatePlotWidget::visibleRange() const
{
    if (m_range)
        return *m_range;
    const double end = double(m_rates.latestMs());
    return TimeRange{end - liveSpanMs(), end};
}

QRectF RatePlotWidget::plotArea() const
{
    return QRectF(rect()).adjusted(margin + axisLabelWidth, margin + 16, -margin, -margin - 16);
}

double RatePlotWidget::timeAt(double x) const
{
    const QRectF area = plotArea();
    const TimeRange range = visibleRange();
    const double fraction = std::clamp((x - area.left()) / area.width(), 0.0, 1.0);
    return range.fromMs + fraction * (range.toMs - range.fromMs);
}

void RatePlotWidget::fit()
{
    m_range.reset();
    m_cursorPinned = false;
    m_cursorMs.reset();
    update();
}

void RatePlotWidget::wheelEvent(QWheelEvent *event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0.0)
        return;
    const TimeRange range = visibleRange();
    const double pointer = timeAt(event->position().x());
    const double span = range.toMs - range.fromMs;
    const double factor =
        std::max(std::pow(zoomPerNotch, notches), narrowestSpanMs / span);
    m_range = TimeRange{pointer - (pointer - range.fromMs) * factor,
                        pointer + (range.toMs - pointer) * factor};
    event->accept();
    update();
}

void RatePlotWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_pressAt = event->position().toPoint();
    m_pressRange = visibleRange();
    m_panning = false;
}

void RatePlotWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (m_pressAt && (m_panning
                      || (at - *m_pressAt).manhattanLength() >= QApplication::startDragDistance())) {
        m_panning = true;
        const double shift = double(at.x() - m_pressAt->x()) / plotArea().width()
                             * (m_pressRange.toMs - m_pressRange.fromMs);
        m_range = TimeRange{m_pressRange.fromMs - shift, m_pressRange.toMs - shift};
    } else if (!m_cursorPinned) {
        m_cursorMs = timeAt(event->position().x());
    }
    update();
}

void RatePlotWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressAt)
        return QWidget::mouseReleaseEvent(event);
    if (!m_panning) {
        m_cursorMs = timeAt(event->position().x());
        m_cursorPinned = true;
    }
    m_pressAt.reset();
    m_panning = false;
    update();
}

void RatePlotWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        fit();
}

void RatePlotWidget::leaveEvent(QEvent *)
{
    if (m_cursorPinned)
        return;
    m_cursorMs.reset();
    update();
}

QString RatePlotWidget::cursorReadout() const
{
    if (!m_cursorMs)
        return QString();
    QStringList parts{m_clockOrigin.addMSecs(qint64(*m_cursorMs)).toString(QStringLiteral("hh:mm:ss.zzz"))};
    for (int counter = 0; counter < CounterRates::counterCount; ++counter) {
        if (m_names.value(counter).isEmpty())
            continue;
        const std::optional<double> rate = m_rates.rateAt(counter, *m_cursorMs);
        parts << (rate ? QStringLiteral("%1 %2 %3").arg(m_names.at(counter)).arg(*rate, 0, 'g', 4).arg(m_rateUnits.value(counter))
                       : tr("%1 no data").arg(m_names.at(counter)));
    }
    return parts.join(QStringLiteral("  "));
}

void RatePlotWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = plotArea();
    const double top = niceCeiling(largestRate());
    drawAxes(painter, area, top);
    drawCurves(painter, area, top);
    drawCursor(painter, area);
    drawLegend(painter, QRectF(rect()).adjusted(margin, 0, -margin, 0));
}

void RatePlotWidget::drawAxes(QPainter &painter, const QRectF &area, double top) const
{
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(area);
    painter.setPen(palette().color(QPalette::Text));
    const QRectF topLabel(margin, area.top() - 8, axisLabelWidth - 4, 16);
    painter.drawText(topLabel, Qt::AlignRight | Qt::AlignVCenter,
                     tr("%1 /s").arg(top, 0, 'g', 4));
    const QRectF zeroLabel(margin, area.bottom() - 8, axisLabelWidth - 4, 16);
    painter.drawText(zeroLabel, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    const QRectF timeLabel(area.left(), area.bottom() + 2, area.width(), 16);
    const TimeRange range = visibleRange();
    const double latest = double(m_rates.latestMs());
    // Times before the newest reading; "now" only at the live edge.
    const auto ago = [&](double time) {
        const double seconds = (latest - time) / 1000.0;
        return seconds <= 0.0 ? tr("now") : tr("-%1 s").arg(seconds, 0, 'g', 3);
    };
    painter.drawText(timeLabel, Qt::AlignLeft, ago(range.fromMs));
    painter.drawText(timeLabel, Qt::AlignRight, ago(range.toMs));
}

void RatePlotWidget::drawCurves(QPainter &painter, const QRectF &area, double top) const
{
    const TimeRange range = visibleRange();
    const auto toPixel = [&](const QPointF &point) {
        return QPointF(area.left() + (point.x() - range.fromMs) / (range.toMs - range.fromMs) * area.width(),
                       area.bottom() - point.y() / top * area.height());
    };
    painter.save();
    painter.setClipRect(area);
    for (int counter = 0; counter < CounterRates::counterCount; ++counter) {
        if (m_names.value(counter).isEmpty())
            continue;
        QPainterPath path;
        for (const QVector<QPointF> &segment : m_rates.segments(counter)) {
            path.moveTo(toPixel(segment.first()));
            for (const QPointF &point : segment)
                path.lineTo(toPixel(point));
        }
        painter.setPen(QPen(curveColours[counter], 1.5));
        painter.drawPath(path);
    }
    painter.restore();
}

void RatePlotWidget::drawCursor(QPainter &painter, const QRectF &area) const
{
    if (!m_cursorMs)
        return;
    const TimeRange range = visibleRange();
    const double x = area.left() + (*m_cursorMs - range.fromMs) / (range.toMs - range.fromMs) * area.width();
    if (x < area.left() || x > area.right())
        return;
    painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DashLine));
    painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    const QString readout = cursorReadout();
    const QRectF box = painter.fontMetrics().boundingRect(readout).adjusted(-4, -2, 4, 2);
    const QRectF placed = box.translated(area.right() - box.right() - 2, area.top() - box.top() + 2);
    painter.fillRect(placed, palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(placed, Qt::AlignCenter, readout);
}

void RatePlotWidget::drawLegend(QPainter &painter, const QRectF &area) const
{
    double x = area.left() + axisLabelWidth;
    for (int counter = 0; counter < CounterRates::counterCount; ++counter) {
        const QString name = m_names.value(counter);
        if (name.isEmpty())
            continue;
        painter.fillRect(QRectF(x, area.top() + 6, 12, 8), curveColours[counter]);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QPointF(x + 16, area.top() + 14), name);
        x += 24 + painter.fontMetrics().horizontalAdvance(name);
    }
}
