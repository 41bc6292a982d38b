#include "dialogs/rateplotwidget.h"

#include "device/counterrates.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

const QColor curveColours[CounterRates::counterCount] = {
    QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
    QColor(0x94, 0x67, 0xbd)};
constexpr int margin = 8;
constexpr int axisLabelWidth = 64;
constexpr double minimumSpanMs = 10000.0;

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
{
    setObjectName(QStringLiteral("ratePlot"));
    setMinimumHeight(160);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void RatePlotWidget::setNames(const QStringList &names)
{
    m_names = names;
    update();
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

double RatePlotWidget::spanMs() const
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

void RatePlotWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(margin + axisLabelWidth, margin + 16, -margin,
                                                -margin - 16);
    const double top = niceCeiling(largestRate());
    drawAxes(painter, area, top);
    drawCurves(painter, area, top);
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
    painter.drawText(timeLabel, Qt::AlignLeft, tr("-%1 s").arg(qRound(spanMs() / 1000.0)));
    painter.drawText(timeLabel, Qt::AlignRight, tr("now"));
}

void RatePlotWidget::drawCurves(QPainter &painter, const QRectF &area, double top) const
{
    const double end = double(m_rates.latestMs());
    const double start = end - spanMs();
    const auto toPixel = [&](const QPointF &point) {
        return QPointF(area.left() + (point.x() - start) / (end - start) * area.width(),
                       area.bottom() - point.y() / top * area.height());
    };
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
