#pragma once

#include <QStringList>
#include <QWidget>

class CounterRates;
class QPainter;

// Plots each measure counter's rate over the rates' time window (or the
// readings so far, at least ten seconds), newest at the right edge, one colour per counter with a legend of their names.
class RatePlotWidget : public QWidget
{
    Q_OBJECT

public:
    explicit RatePlotWidget(const CounterRates &rates, QWidget *parent = nullptr);

    // Empty names leave that counter out of the legend and the plot.
    void setNames(const QStringList &names);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double largestRate() const;
    // Milliseconds shown across the plot.
    double spanMs() const;
    void drawAxes(QPainter &painter, const QRectF &area, double top) const;
    void drawCurves(QPainter &painter, const QRectF &area, double top) const;
    void drawLegend(QPainter &painter, const QRectF &area) const;

    const CounterRates &m_rates;
    QStringList m_names;
};
