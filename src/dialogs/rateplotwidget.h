// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QPoint>
#include <QStringList>
#include <QWidget>
#include <optional>

class CounterRates;
class QPainter;

// Plots each measure counter's rate, one colour per counter with a legend
// of their names. Live, it spans the rates' time window (or the readings so
// far, at least ten seconds) with the newest at the right edge. The mouse
// wheel zooms the time axis around the pointer and a drag pans; either
// leaves the live view until fit() (or a double-click). A time cursor
// follows the pointer, or stays where the user clicked, and reads out the
// time and each counter's rate there.
class RatePlotWidget : public QWidget
{
    Q_OBJECT

public:
    // Milliseconds of the rates' clock.
    struct TimeRange
    {
        double fromMs = 0.0;
        double toMs = 0.0;
    };

    explicit RatePlotWidget(const CounterRates &rates, QWidget *parent = nullptr);

    // Empty names leave that counter out of the legend and the plot;
    // rateUnits ("usec/s", "/s") label the cursor's values.
    void setCounters(const QStringList &names, const QStringList &rateUnits);
    // The time of day at the rates' clock 0, for the cursor's time.
    void setClockOrigin(const QDateTime &origin);
    QSize sizeHint() const override;

    TimeRange visibleRange() const;
    bool isLive() const { return !m_range.has_value(); }
    // "12:04:31.250  Gate 1.2e+04 usec/s  Spill –": empty without a cursor.
    QString cursorReadout() const;

public slots:
    // Back to the live view; the cursor follows the pointer again.
    void fit();

protected:
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QRectF plotArea() const;
    double timeAt(double x) const;
    double largestRate() const;
    // Milliseconds shown across the live plot.
    double liveSpanMs() const;
    void drawAxes(QPainter &painter, const QRectF &area, double top) const;
    void drawCurves(QPainter &painter, const QRectF &area, double top) const;
    void drawLegend(QPainter &painter, const QRectF &area) const;
    void drawCursor(QPainter &painter, const QRectF &area) const;

    const CounterRates &m_rates;
    QStringList m_names;
    QStringList m_rateUnits;
    QDateTime m_clockOrigin;
    // None: the live view.
    std::optional<TimeRange> m_range;
    std::optional<double> m_cursorMs;
    bool m_cursorPinned = false;
    // A left press, until its release: where, and the range then.
    std::optional<QPoint> m_pressAt;
    TimeRange m_pressRange;
    bool m_panning = false;
};
